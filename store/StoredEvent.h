// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Ranking.h"
#include "core/TurnCurve.h"
#include "core/jury/JuryResult.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

// One league-table entry as kept in the results file. order counts the contestants of the
// event from 0 in the order they started; it breaks ties between equal scores.
struct StoredEntry {
    QString name;
    int score = 0;
    QDateTime began;
    QDateTime ended;  // invalid while the turn has not ended
    qint64 order = 0;
    std::vector<TurnCurve> curves;  // the turns' curves, first measured first
    int round = 0;    // the round's id
    int clapOff = 0;  // the number of the round's clap-off this turn was of; 0 for none
    // While the event's jury is on: what it adds to the applause (see ranking::resultOf).
    std::optional<jury::JuryStanding> jury = std::nullopt;

    friend bool operator==(const StoredEntry&, const StoredEntry&) = default;
};

// The entries as the ranking sees them (core/Ranking.h), as rows of one round, each with its
// clap-off score when clapOff holds one for it.
std::vector<ranking::Row> rankingRows(const std::vector<StoredEntry>& entries,
                                      const std::map<qint64, int>& clapOff = {});

// One round of an event: its entries best first (its clap-offs' turns apart), its waiting
// names, and the clap-off scores of its tied contestants, by order of entry, from clap-offs
// that measured every one of their names (one cut short by a crash does not count).
struct StoredRound {
    int id = 0;
    QString name;  // empty: the first round, never renamed
    bool removed = false;
    QStringList waiting;
    std::vector<StoredEntry> entries;
    std::map<qint64, int> clapOff;
    int clapOffsHeld = 0;
};

// The jury of an event as stored: its latest set-up (none: no jury, or switched off) with the
// judges' tokens, each contestant's marking and every mark in the order it came.
struct StoredJury {
    std::optional<jury::JuryRules> rules;
    QStringList tokens;  // one a judge of rules
    struct Marking {
        qint64 order = 0;
        bool open = false;
        QDateTime opened;
        jury::JuryRules rules;
    };
    std::vector<Marking> markings;
    struct Mark {
        qint64 order = 0;
        QString judge;
        QString markId;
        std::vector<std::int32_t> marks;  // hundredths, one a criterion
        QDateTime at;
    };
    std::vector<Mark> marks;
    // Stored set-ups or marks that could not be read, left out.
    int unreadable = 0;
};

// One event: a show from its start to File > Exit. entries are those not cleared, best first.
struct StoredEvent {
    qint64 id = 0;
    QDateTime started;
    bool endedCleanly = false;
    QStringList preloadList;
    int preloadPosition = 0;
    // The current round's entries not cleared, best first.
    std::vector<StoredEntry> entries;
    // Every round in the order made, the current one among them (one for a file from before
    // rounds, or an event that never used them).
    std::vector<StoredRound> rounds;
    int currentRound = 0;
    qint64 nextOrder = 0;  // for the next contestant when resuming; counts cleared entries too
    // Stored curves of the entries that could not be read (missing, too long, or off the
    // scale): they come back as no curve, the scores as stored. See
    // StoreMessages::unreadableCurves for the one notice to show.
    int unreadableCurves = 0;
    StoredJury jury;
};

// An event that stopped without File > Exit (a crash, a power cut) and has results is worth
// offering to resume.
inline bool needsResumeOffer(const StoredEvent& event)
{
    if (event.endedCleanly)
        return false;
    if (!event.entries.empty())
        return true;
    for (const StoredRound& round : event.rounds) {
        if (!round.entries.empty())
            return true;
    }
    return false;
}

// The entry's result: the applause, weighed with the jury's mark while the jury is on.
ranking::Result resultOf(const StoredEntry& entry);

// The jury's part in the result of the event's entries (not the clap-offs' turns, which are
// the applause's alone) from its stored marks, each contestant's J under the set-up she was
// marked by, ranked anew; none while the event has no jury.
void weighEntries(StoredEvent& event);
// The judge's mark of the contestant, the weighted mean of the criteria; none when not given.
std::optional<jury::JuryMark> judgeMarkOf(const StoredJury& jury, qint64 order,
                                          const QString& judge);
// J of the contestant, none without a mark.
std::optional<jury::JuryMark> juryMarkOf(const StoredJury& jury, qint64 order);

// Whether the event used rounds: more than one, or its first renamed. An event that did not
// is exported as before rounds.
bool usesRounds(const StoredEvent& event);

// The rounds to export, the latest (the final) first, without those removed; each round's
// entries best first with its clap-offs setting the tied apart.
std::vector<StoredRound> roundsToExport(const StoredEvent& event);
