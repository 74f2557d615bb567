// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/WavFile.h"

#include <QString>

// Why the sound input stopped, and the one line the operator reads about it.
namespace audio {

enum class AudioFault {
    NoInputDevice,      // no microphone at all
    DeviceMissing,      // the chosen microphone is not there
    DeviceLost,         // the microphone went away while listening
    FormatRefused,      // the microphone takes none of the formats we can read
    DeviceFailed,       // the audio system stopped the recording
    FileUnreadable,
    FileNotWav,
    FileUnsupported,
    FileEmpty,
};

// name is the microphone's description or the file's path.
QString faultMessage(AudioFault fault, const QString& name);

// The message for a microphone coming back after a fault.
QString deviceReturnedMessage(const QString& name);

// The file fault for a WAV reading error; only called with an error.
AudioFault faultForWavError(WavError error);

}  // namespace audio
