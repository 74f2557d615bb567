// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"

#include <array>
#include <optional>
#include <span>

// One command as the operator meets it, as plain data: what it does is the main window's
// (MainWindow::runCommand). Captions are translated in the "CommandTable" context; "&" marks
// the mnemonic.
struct CommandEntry {
    Command command;
    const char* name;            // the action's object name
    const char* caption;         // in the menu bar
    const char* contextCaption;  // in the context menu, where it differs; else nullptr
    std::array<const char*, 2> shortcuts;  // QKeySequence's portable text; nullptr for none
};

// Every command of the program, each once.
std::span<const CommandEntry> commandTable();

// A menu's items in order; an empty item is a separator.
using MenuItems = std::span<const std::optional<Command>>;

struct MenuPopup {
    const char* caption;
    MenuItems items;
};

// The menu bar of the main window, and the popup the right button opens over the meter.
std::span<const MenuPopup> mainMenuLayout();
MenuItems contextMenuLayout();
