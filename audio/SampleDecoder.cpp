// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/SampleDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace audio {
namespace {

template <typename Sample>
Sample readSample(const char* data)
{
    Sample value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

float sampleToFloat(QAudioFormat::SampleFormat format, const char* data)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return (float(readSample<std::uint8_t>(data)) - 128.0f) / 128.0f;
    case QAudioFormat::Int16:
        return float(readSample<std::int16_t>(data)) / 32768.0f;
    case QAudioFormat::Int32:
        return float(double(readSample<std::int32_t>(data)) / 2147483648.0);
    case QAudioFormat::Float:
        return readSample<float>(data);
    case QAudioFormat::Unknown:
    case QAudioFormat::NSampleFormats:
        break;
    }
    return 0.0f;
}

}  // namespace

SampleDecoder::SampleDecoder(const QAudioFormat& format)
    : m_format(format), m_bytesPerFrame(canDecode(format) ? format.bytesPerFrame() : 0)
{
}

bool SampleDecoder::canDecode(const QAudioFormat& format)
{
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
    case QAudioFormat::Int16:
    case QAudioFormat::Int32:
    case QAudioFormat::Float:
        return format.channelCount() > 0;
    case QAudioFormat::Unknown:
    case QAudioFormat::NSampleFormats:
        break;
    }
    return false;
}

void SampleDecoder::decode(QByteArrayView bytes, std::vector<float>& out)
{
    if (m_bytesPerFrame == 0 || bytes.isEmpty())
        return;
    if (!m_partialFrame.isEmpty()) {
        const qsizetype missing = m_bytesPerFrame - m_partialFrame.size();
        const qsizetype taken = std::min(missing, bytes.size());
        m_partialFrame.append(bytes.first(taken));
        bytes = bytes.sliced(taken);
        if (m_partialFrame.size() < m_bytesPerFrame)
            return;
        decodeFrames(m_partialFrame.constData(), 1, out);
        m_partialFrame.clear();
    }
    const qsizetype frames = bytes.size() / m_bytesPerFrame;
    decodeFrames(bytes.data(), frames, out);
    m_partialFrame = bytes.sliced(frames * m_bytesPerFrame).toByteArray();
}

void SampleDecoder::decodeFrames(const char* data, qsizetype frames, std::vector<float>& out) const
{
    const int channels = m_format.channelCount();
    const int bytesPerSample = m_format.bytesPerSample();
    const QAudioFormat::SampleFormat format = m_format.sampleFormat();
    out.reserve(out.size() + std::size_t(frames));
    for (qsizetype frame = 0; frame < frames; ++frame) {
        float sum = 0.0f;
        for (int channel = 0; channel < channels; ++channel, data += bytesPerSample)
            sum += sampleToFloat(format, data);
        out.push_back(sum / float(channels));
    }
}

}  // namespace audio
