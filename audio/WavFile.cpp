// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace audio {
namespace {

constexpr qsizetype kChunkHeaderBytes = 8;
constexpr qsizetype kRiffHeaderBytes = 12;
constexpr qsizetype kPlainFormatBytes = 16;
constexpr qsizetype kExtensibleFormatBytes = 40;
constexpr qsizetype kSubFormatOffset = 24;  // the first two bytes of the GUID name the encoding

constexpr std::uint16_t kEncodingPcm = 1;
constexpr std::uint16_t kEncodingFloat = 3;
constexpr std::uint16_t kEncodingExtensible = 0xFFFE;

std::uint16_t read16(const char* data)
{
    return qFromLittleEndian<std::uint16_t>(data);
}

std::uint32_t read32(const char* data)
{
    return qFromLittleEndian<std::uint32_t>(data);
}

QAudioFormat::SampleFormat sampleFormatOf(std::uint16_t encoding, std::uint16_t bits)
{
    if (encoding == kEncodingPcm && bits == 8)
        return QAudioFormat::UInt8;
    if (encoding == kEncodingPcm && bits == 16)
        return QAudioFormat::Int16;
    if (encoding == kEncodingPcm && bits == 32)
        return QAudioFormat::Int32;
    if (encoding == kEncodingFloat && bits == 32)
        return QAudioFormat::Float;
    return QAudioFormat::Unknown;
}

// The format chunk's fields, or the reason it cannot be used.
WavError readFormat(QByteArrayView chunk, QAudioFormat& format)
{
    if (chunk.size() < kPlainFormatBytes)
        return WavError::NotWav;
    std::uint16_t encoding = read16(chunk.data());
    const std::uint16_t channels = read16(chunk.data() + 2);
    const std::uint32_t rate = read32(chunk.data() + 4);
    const std::uint16_t blockAlign = read16(chunk.data() + 12);
    const std::uint16_t bits = read16(chunk.data() + 14);
    if (encoding == kEncodingExtensible) {
        if (chunk.size() < kExtensibleFormatBytes)
            return WavError::UnsupportedEncoding;
        encoding = read16(chunk.data() + kSubFormatOffset);
    }
    const QAudioFormat::SampleFormat sampleFormat = sampleFormatOf(encoding, bits);
    if (sampleFormat == QAudioFormat::Unknown || channels == 0 || rate == 0 ||
        rate > std::uint32_t(std::numeric_limits<int>::max()) ||
        blockAlign != channels * (bits / 8))
        return WavError::UnsupportedEncoding;
    format.setSampleFormat(sampleFormat);
    format.setChannelCount(channels);
    format.setSampleRate(int(rate));
    return WavError::None;
}

}  // namespace

WavAudio parseWav(const QByteArray& file)
{
    WavAudio result;
    if (file.size() < kRiffHeaderBytes || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        result.error = WavError::NotWav;
        return result;
    }
    std::optional<WavError> formatError;
    std::optional<QByteArrayView> data;
    qsizetype at = kRiffHeaderBytes;
    while (at + kChunkHeaderBytes <= file.size() && !(formatError && data)) {
        const QByteArrayView id(file.constData() + at, 4);
        const qsizetype declared = read32(file.constData() + at + 4);
        const qsizetype start = at + kChunkHeaderBytes;
        // Files written while streaming may declare more than they hold.
        const qsizetype size = std::min(declared, file.size() - start);
        const QByteArrayView body(file.constData() + start, size);
        if (id == "fmt " && !formatError)
            formatError = readFormat(body, result.format);
        else if (id == "data" && !data)
            data = body;
        at = start + size + (size & 1);  // chunks are padded to an even length
    }
    if (!formatError) {
        result.error = WavError::NotWav;
        return result;
    }
    if (*formatError != WavError::None) {
        result.error = *formatError;
        return result;
    }
    const qsizetype frameBytes = result.format.bytesPerFrame();
    const qsizetype wholeBytes = data ? data->size() / frameBytes * frameBytes : 0;
    if (wholeBytes == 0) {
        result.error = WavError::NoAudio;
        return result;
    }
    result.samples = data->first(wholeBytes).toByteArray();
    return result;
}

WavAudio readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        WavAudio result;
        result.error = WavError::Unreadable;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        WavAudio result;
        result.error = WavError::Unreadable;
        return result;
    }
    return parseWav(bytes);
}

}  // namespace audio
