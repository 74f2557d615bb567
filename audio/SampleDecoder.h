// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// Raw interleaved samples as a device or a WAV file delivers them, turned into one channel
// of floats in -1..1: the channels are averaged, which is how a stereo room mic is heard.
namespace audio {

class SampleDecoder {
public:
    explicit SampleDecoder(const QAudioFormat& format);

    // Whether the sample format is one this decoder reads (unsigned 8-bit, signed 16-bit,
    // signed 32-bit, 32-bit float), with at least one channel.
    static bool canDecode(const QAudioFormat& format);

    // Appends the mono samples of the whole frames in bytes to out; a frame cut in two by
    // the caller's buffer is completed by the next call.
    void decode(QByteArrayView bytes, std::vector<float>& out);

private:
    void decodeFrames(const char* data, qsizetype frames, std::vector<float>& out) const;

    QAudioFormat m_format;
    int m_bytesPerFrame;
    QByteArray m_partialFrame;
};

}  // namespace audio
