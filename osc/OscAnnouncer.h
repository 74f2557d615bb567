// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class MeterCore;

// What the OSC senders are told of, read off the show at one moment.
struct OscFacts {
    bool measuring = false;  // a named contestant's turn runs
    QString current;         // that contestant
    int score = 0;           // and the score so far
    bool leads = false;      // the current contestant holds first place, alone or shared
    std::optional<int> countdown;
    bool winners = false;
    std::vector<std::pair<QString, int>> podium;  // the first three rows, best first
    int level = 0;
    // A duel that is over: each side's name and held level, left first; the show tells it.
    std::vector<std::pair<QString, int>> duelEnded;
    // The contestants open for the jury's marking, with how many judges have marked each.
    std::vector<std::pair<QString, int>> marked = {};

    friend bool operator==(const OscFacts&, const OscFacts&) = default;
};

OscFacts oscFactsOf(const MeterCore& meter, bool winners);

using OscArgument = std::variant<std::int32_t, QString>;

struct OscMessage {
    QByteArray path;
    std::vector<OscArgument> arguments;

    friend bool operator==(const OscMessage&, const OscMessage&) = default;
};

// The messages that the step from before to now calls for, in the order they happened:
//   /ovatron/turn/end ,si NAME SCORE    /ovatron/turn/start ,s NAME
//   /ovatron/leader ,si NAME SCORE      /ovatron/countdown ,i SECONDS
//   /ovatron/winners ,sisisi ...        (the level is sent apart, at most ten a second)
//   /ovatron/duel/end ,sisi LEFT SCORE RIGHT SCORE
//   /ovatron/jury/marked ,si NAME COUNT (each time another judge has marked NAME)
// Nothing when nothing of the above changed.
std::vector<OscMessage> oscAnnouncements(const OscFacts& before, const OscFacts& now);

OscMessage oscLevelMessage(int level);
// What "Send Test" sends.
OscMessage oscTestMessage();
