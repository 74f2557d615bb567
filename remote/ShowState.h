// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterCore.h"
#include "core/Ranking.h"
#include "core/jury/JuryRules.h"
#include "core/rounds/Advancement.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// One row of the league table as show control reports it.
struct ShowRow {
    int rank = 0;  // equal scores share a rank
    // The rank among the scores the audience sees, with hidden scores left out; 0 for a
    // hidden row. The audience's pages show it, so that they never rank a table themselves.
    int audienceRank = 0;
    QString name;
    int score = 0;  // the applause's
    bool current = false;
    // While the jury is on: what ranks the row, and J as shown (none before any mark).
    ranking::Result result = {};
    std::optional<jury::Hundredths> jury = std::nullopt;
};

// The jury while it is on, as show control reports it.
struct ShowJury {
    jury::JuryRules rules;  // the current set-up, its judges among it
    QStringList open;       // the contestants whose marking is open, the latest opened first
    // Who of the judges marked each contestant open or marked, by name.
    std::vector<std::pair<QString, QStringList>> marked;
    // Each judge's own marks of the contestants open, one a criterion in the set-up's order
    // (or one without criteria). Only the judge's page is told hers; the state never is.
    std::map<QString, std::map<QString, std::vector<jury::Hundredths>>> own;
    // The set-up each open contestant is marked under (the one in force when it opened).
    std::map<QString, jury::JuryRules> rulesOf;
    // The three awards as they stand: the winners by the result, the Judges' Choice (J alone)
    // and the People's Choice (the applause alone), ties sharing each.
    QStringList winners;
    QStringList judgesChoice;
    QStringList peoplesChoice;
};

// A round as show control reports it, with its standings for deciding who goes on.
struct ShowRound {
    QString name;
    bool done = false;  // it has scores and nobody waits in its running order
    rounds::RoundStandings standings;
};

// One of the room's microphones as show control reports it.
struct ShowMicrophone {
    QString place;
    int level = 0;  // above its own floor, 0..100
    bool live = false;
};

// A duel's side as show control reports it: its name, level now and held level.
struct ShowDuelSide {
    QString name;
    int level = 0;
    int score = 0;
};

struct ShowDuel {
    ShowDuelSide left;
    ShowDuelSide right;
    std::optional<QString> winner;  // a side's name or "draw" once it is over; none before
};

// Everything a remote display or controller is told about the show.
struct ShowState {
    MeterState state = MeterState::NameEntry;
    QString typed;
    int level = 0;
    int peak = 0;
    std::optional<int> countdown;  // seconds left in the turn, when it has a limit
    std::vector<ShowRow> table;
    QStringList next;  // the waiting preloaded names
    QString title;     // the event's title, empty when it has none
    // The readings of the turn under way (and on its summary screen), ten a second; empty
    // when none.
    std::vector<std::uint8_t> curve;
    bool winners = false;  // the winners' podium shows
    // The current round's name and every round; empty while nobody told (a show without
    // rounds reports its one round).
    QString round;
    std::vector<ShowRound> rounds;
    // The clap-off offered or running: its round and the tied.
    std::optional<rounds::Tie> clapOff;
    bool clapOffRunning = false;  // its turns are under way: rounds wait until it is over
    // The names whose scores the audience does not see yet (their scores are in the table:
    // operators' tools need them); a page for the audience shows "?" instead.
    QStringList hidden;
    // The room's microphones while the microphone measures; empty while the keyboard does.
    std::vector<ShowMicrophone> microphones;
    // The duel running, or the last one until the next turn.
    std::optional<ShowDuel> duel;
    std::optional<ShowJury> jury;  // none while there is no jury
};

ShowState showStateOf(const MeterCore& meter, const QString& title, bool winners = false,
                      const QStringList& hidden = {});

// The rules a contestant open for marking is marked under.
const jury::JuryRules& rulesOfOpen(const ShowJury& jury, const QString& contestant);

// The state as one line of JSON (UTF-8), the body of GET /api/state and of each live message.
QByteArray showStateJson(const ShowState& state);
