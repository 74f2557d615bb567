// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"
#include "core/MeterCore.h"

#include <optional>

// How a command's menu item shows: enabled or greyed, with or without a check mark.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    friend bool operator==(const CommandState&, const CommandState&) = default;
};

// What the menu rules look at: the meter, and what the main window has open.
struct CommandContext {
    const MeterCore& meter;
    bool audienceScreenOpen = false;
    bool microphoneInUse = false;
    bool canUndo = false;  // the undo history has a correction to take back
    bool canRedo = false;
    bool winnersShowing = false;
    // Rounds: whether they may change now, whether the current one may be removed, and
    // whether a clap-off is offered.
    bool roundsMayChange = true;
    bool roundRemovable = false;
    bool clapOffOffered = false;
    bool hideScores = false;
    bool canReveal = false;       // hidden scores wait and no turn measures
    bool revealUnderWay = false;  // Esc ends it
    bool markingOpen = false;     // the jury's marking of some contestant waits to be closed
    bool juryOn = false;
    bool selectedMarkingClosed = false;  // the selected row's marking was closed
};

// The rule for a command's menu item, asked each time a menu holding it opens; none for
// commands without a rule, which stay as they are.
std::optional<CommandState> commandState(Command command, const CommandContext& context);
