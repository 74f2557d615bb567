// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the operator asked for on the command line.
struct CommandLineRequest {
    enum class Action {
        Run,          // start the program's window
        ShowHelp,     // print the options and stop
        ShowVersion,  // print the version and stop
        Export,       // write the latest event's results to exportFile and stop
        Error,        // print error and stop with a failure
    };
    Action action = Action::Run;
    QString exportFile;  // with Export: a .csv or .pdf file
    QString exportRound;  // with Export: only the round of this name; empty for the event
    QStringList audioFiles;  // WAV files that stand in for the microphones, in order; none for none
    std::optional<int> showControlPort;  // show control on for this run, on this port
    QString text;        // with ShowHelp, ShowVersion or Error: what to print
};

// As many microphones as the room may have, each one --audio-file at most.
inline constexpr int kMaxAudioFiles = 4;

// Reads the arguments (the program's name first, as QCoreApplication::arguments() gives
// them). Help and errors are worded in the installed translation; the version is the
// application's version.
CommandLineRequest parseCommandLine(const QStringList& arguments);
