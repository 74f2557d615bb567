// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace ovatron::test {

// The temporary folder that stands in for $XDG_CONFIG_HOME (and $HOME) during the whole
// run, so that no test reads or writes the real user's settings.
QString configHome();

// The settings file that the program's store writes inside configHome().
QString settingsFile();

// Removes every stored setting, so that a test starts from an empty store.
void clearSettings();

// Points the environment at configHome(), initialises GoogleTest and empties the store
// before every test. Called first thing by each test binary's main().
void prepare(int& argc, char** argv);

}  // namespace ovatron::test
