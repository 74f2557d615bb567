// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// WAV files for rehearsals and tests: PCM (8, 16 or 32 bit) or 32-bit float, any number of
// channels, any rate. The samples stay as they are in the file; SampleDecoder reads them
// like a device's.
namespace audio {

enum class WavError {
    None,
    Unreadable,           // missing, unreadable, or a folder
    NotWav,               // no RIFF/WAVE header or no format chunk
    UnsupportedEncoding,  // compressed, 24-bit, or a format chunk that contradicts itself
    NoAudio,              // no data chunk, or not one whole frame in it
};

struct WavAudio {
    WavError error = WavError::None;
    QAudioFormat format;
    QByteArray samples;  // whole interleaved frames
};

// Parses the bytes of a whole file.
WavAudio parseWav(const QByteArray& file);

// Reads and parses the file at path.
WavAudio readWav(const QString& path);

}  // namespace audio
