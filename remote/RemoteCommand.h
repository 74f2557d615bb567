// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What a remote asks of the meter; show/ShowControlLink carries it out through the show's
// session as the keys would.
struct RemoteCommand {
    enum class Kind {
        Contestant,  // start name, as typing it and Enter would
        Enter,
        Escape,
        Applause,  // SPACE held (down) or released
    };
    Kind kind = Kind::Enter;
    QString name;       // with Contestant: never without a printable character
    bool down = false;  // with Applause

    friend bool operator==(const RemoteCommand&, const RemoteCommand&) = default;
};
