// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/CuePlayer.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// A cue's sound ready to play: one channel of 32-bit floats at the file's rate, whatever the
// file held (its channels are averaged, as a hall's system plays a cue on every speaker).
namespace audio {

// Longer than this is not a cue; the limit also keeps a wrong file from filling the memory.
inline constexpr int kMaximumCueSeconds = 60;

struct CueSample {
    QAudioFormat format;
    QByteArray samples;  // whole frames of format

    bool isEmpty() const { return samples.isEmpty(); }
};

struct LoadedCue {
    CueSample sample;
    QString problem;  // for the operator, naming the file; empty when the sample is good
};

// A WAV file of the operator's.
LoadedCue loadCueFile(const QString& path);
// The project's own cue, compiled into the sound module.
CueSample ownCue(CueSound cue);
// Where the project's own cue lives among the module's resources.
QString ownCuePath(CueSound cue);

}  // namespace audio
