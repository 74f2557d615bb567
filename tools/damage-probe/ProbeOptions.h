// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The probe's command line, read into plain data.
//   ovatron_damage_probe --window ID|root --seconds S
//   ovatron_damage_probe --start [--timeout S] PROGRAM [ARG...]

enum class ProbeMode { Damage, Start };
enum class ParseOutcome { Run, Help, Error };

inline constexpr double kDefaultStartTimeoutSeconds = 30.0;
// Longer periods are a typing slip, not a measurement.
inline constexpr double kMaximumSeconds = 24.0 * 60 * 60;

struct ProbeOptions {
    ProbeMode mode = ProbeMode::Damage;
    bool rootWindow = false;
    unsigned long window = 0;
    double seconds = 0;
    double timeoutSeconds = kDefaultStartTimeoutSeconds;
    QStringList command;  // program and its arguments, for ProbeMode::Start
};

struct ParsedProbeOptions {
    ParseOutcome outcome = ParseOutcome::Error;
    ProbeOptions options;
    QString message;  // the help text or what is wrong with the arguments
};

// arguments[0] is the probe's own name, as in QCoreApplication::arguments().
ParsedProbeOptions parseProbeOptions(const QStringList& arguments);
