// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/AudioFault.h"

#include <QCoreApplication>

namespace audio {
namespace {

const char kContext[] = "AudioInput";

// The untranslated line for each fault; %1 is the microphone's description or the file.
const char* faultText(AudioFault fault)
{
    switch (fault) {
    case AudioFault::NoInputDevice:
        return QT_TRANSLATE_NOOP("AudioInput",
                                 "No microphone was found; the meter follows the keyboard.");
    case AudioFault::DeviceMissing:
        return QT_TRANSLATE_NOOP("AudioInput",
                                 "The microphone \"%1\" is not connected; "
                                 "the meter follows the keyboard.");
    case AudioFault::DeviceLost:
        return QT_TRANSLATE_NOOP("AudioInput",
                                 "The microphone \"%1\" was disconnected; "
                                 "the meter follows the keyboard.");
    case AudioFault::FormatRefused:
        return QT_TRANSLATE_NOOP("AudioInput",
                                 "The microphone \"%1\" offers no sound format Ovatron can read; "
                                 "the meter follows the keyboard.");
    case AudioFault::DeviceFailed:
        return QT_TRANSLATE_NOOP("AudioInput",
                                 "The microphone \"%1\" stopped recording; "
                                 "the meter follows the keyboard.");
    case AudioFault::FileUnreadable:
        return QT_TRANSLATE_NOOP("AudioInput", "The sound file \"%1\" cannot be read.");
    case AudioFault::FileNotWav:
        return QT_TRANSLATE_NOOP("AudioInput", "The sound file \"%1\" is not a WAV file.");
    case AudioFault::FileUnsupported:
        return QT_TRANSLATE_NOOP("AudioInput",
                                 "The sound file \"%1\" is neither 16-bit PCM nor 32-bit float.");
    case AudioFault::FileEmpty:
        return QT_TRANSLATE_NOOP("AudioInput", "The sound file \"%1\" holds no sound.");
    }
    return "";
}

}  // namespace

QString faultMessage(AudioFault fault, const QString& name)
{
    const QString text = QCoreApplication::translate(kContext, faultText(fault));
    return fault == AudioFault::NoInputDevice ? text : text.arg(name);
}

QString deviceReturnedMessage(const QString& name)
{
    const char* text = QT_TRANSLATE_NOOP("AudioInput", "The microphone \"%1\" is back; listening again.");
    return QCoreApplication::translate(kContext, text).arg(name);
}

AudioFault faultForWavError(WavError error)
{
    switch (error) {
    case WavError::NotWav:
        return AudioFault::FileNotWav;
    case WavError::UnsupportedEncoding:
        return AudioFault::FileUnsupported;
    case WavError::NoAudio:
        return AudioFault::FileEmpty;
    case WavError::None:
    case WavError::Unreadable:
        break;
    }
    return AudioFault::FileUnreadable;
}

}  // namespace audio
