// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Below this a microphone hears nothing at all, not even a quiet room: unplugged or muted.
inline constexpr double kSilentMicrophoneLufs = -90.0;

// What the operator is told after the room's microphones were measured at once, in a quiet
// room: each microphone that heard nothing throughout (its readings, moment by moment, all
// below kSilentMicrophoneLufs), and, among the others, one that read far above the rest for
// the whole calibration (audio::microphoneAboveTheOthers). A silent microphone is named as
// such and left out of that comparison: against it any working one reads far above. Empty
// when all is well.
QStringList roomCalibrationWarnings(const QStringList& places,
                                    const std::vector<std::vector<double>>& loudnessPerMicrophone);
