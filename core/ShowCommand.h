// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// What a device outside the window (an OSC sender, a cue program) asks of the show, carried
// out as the operator's keys would.
struct ShowCommand {
    enum class Kind {
        Contestant,  // start name, as typing it and Enter would
        Next,        // start the next waiting name of the running order
        Enter,
        Escape,
        Applause,  // SPACE held (down) or released
        Winners,   // show the winners, or hide them again
        NewRound,      // a round called name, from the best of the rounds `names`, made current
        ClapOff,       // among `names` of the round called name
        SwitchRound,   // to the round called name
        RenameRound,   // the round called name, to `to`
        Reveal,    // the next hidden score (see MeterSession::reveal)
        Duel,      // a turn of two sides, `names` (two), heard by the places `left` and `right`
        CloseMarking,  // the jury's marking of the contestant called name
    };
    Kind kind = Kind::Enter;
    QString name;       // with Contestant: never without a printable character
    bool down = false;  // with Applause
    std::uint64_t holder = 0;  // with Applause: which of the sender's connections holds or lets go
    QStringList names = {};  // with NewRound: the rounds it takes from; with ClapOff: the tied
    int best = 0;            // with NewRound: how many of each go on
    bool shareTies = false;  // with NewRound: all tied at a cut go on
    QString to = {};         // with RenameRound
    QStringList left = {};   // with Duel: the places of the microphones that hear each side
    QStringList right = {};

    friend bool operator==(const ShowCommand&, const ShowCommand&) = default;
};
