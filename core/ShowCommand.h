// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

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
        Reveal,    // the next hidden score (see MeterSession::reveal)
    };
    Kind kind = Kind::Enter;
    QString name;       // with Contestant: never without a printable character
    bool down = false;  // with Applause

    friend bool operator==(const ShowCommand&, const ShowCommand&) = default;
};
