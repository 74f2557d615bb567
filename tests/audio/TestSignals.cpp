// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestSignals.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

namespace audio::test {
namespace {

constexpr double kFullScaleSineLufs = -3.01;

void append16(QByteArray& bytes, std::uint16_t value)
{
    char data[2];
    qToLittleEndian(value, data);
    bytes.append(data, 2);
}

void append32(QByteArray& bytes, std::uint32_t value)
{
    char data[4];
    qToLittleEndian(value, data);
    bytes.append(data, 4);
}

}  // namespace

std::vector<float> pinkNoise(std::size_t frames, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    double b0 = 0, b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0;
    std::vector<double> pink(frames);
    double energy = 0;
    for (double& sample : pink) {
        const double w = white(random);
        b0 = 0.99886 * b0 + w * 0.0555179;
        b1 = 0.99332 * b1 + w * 0.0750759;
        b2 = 0.96900 * b2 + w * 0.1538520;
        b3 = 0.86650 * b3 + w * 0.3104856;
        b4 = 0.55000 * b4 + w * 0.5329522;
        b5 = -0.7616 * b5 - w * 0.0168980;
        sample = b0 + b1 + b2 + b3 + b4 + b5 + b6 + w * 0.5362;
        b6 = w * 0.115926;
        energy += sample * sample;
    }
    const double rms = std::sqrt(energy / double(std::max<std::size_t>(frames, 1)));
    std::vector<float> result(frames);
    std::transform(pink.begin(), pink.end(), result.begin(), [rms](double s) { return float(s / rms); });
    return result;
}

std::vector<float> sine(std::size_t frames, double frequency, double amplitude, int rate)
{
    std::vector<float> result(frames);
    for (std::size_t i = 0; i < frames; ++i)
        result[i] = float(amplitude * std::sin(2 * std::numbers::pi * frequency * double(i) / rate));
    return result;
}

double sineAmplitudeFor(double lufs)
{
    return std::pow(10.0, (lufs - kFullScaleSineLufs) / 20.0);
}

std::vector<float> scaled(std::vector<float> samples, double gain)
{
    for (float& sample : samples)
        sample = float(sample * gain);
    return samples;
}

std::vector<float> silence(std::size_t frames)
{
    return std::vector<float>(frames, 0.0f);
}

std::vector<float> joined(std::vector<float> first, const std::vector<float>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::size_t framesFor(int milliseconds, int rate)
{
    return std::size_t(rate) * std::size_t(milliseconds) / 1000;
}

QAudioFormat makeFormat(QAudioFormat::SampleFormat sampleFormat, int channels, int rate)
{
    QAudioFormat format;
    format.setSampleFormat(sampleFormat);
    format.setChannelCount(channels);
    format.setSampleRate(rate);
    return format;
}

QByteArray encode(const std::vector<float>& mono, const QAudioFormat& format)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(mono.size()) * format.bytesPerFrame());
    for (const float sample : mono) {
        const double clipped = std::clamp(double(sample), -1.0, 1.0);
        for (int channel = 0; channel < format.channelCount(); ++channel) {
            switch (format.sampleFormat()) {
            case QAudioFormat::UInt8:
                bytes.append(char(std::uint8_t(std::lround(clipped * 127.0) + 128)));
                break;
            case QAudioFormat::Int16:
                append16(bytes, std::uint16_t(std::int16_t(std::lround(clipped * 32767.0))));
                break;
            case QAudioFormat::Int32:
                append32(bytes, std::uint32_t(std::int32_t(std::llround(clipped * 2147483647.0))));
                break;
            default: {
                std::uint32_t bits;
                const float value = sample;
                std::memcpy(&bits, &value, sizeof bits);
                append32(bytes, bits);
                break;
            }
            }
        }
    }
    return bytes;
}

QByteArray wavFile(const std::vector<float>& mono, const QAudioFormat& format)
{
    const QByteArray samples = encode(mono, format);
    const bool isFloat = format.sampleFormat() == QAudioFormat::Float;
    QByteArray fmt;
    append16(fmt, isFloat ? 3 : 1);
    append16(fmt, std::uint16_t(format.channelCount()));
    append32(fmt, std::uint32_t(format.sampleRate()));
    append32(fmt, std::uint32_t(format.sampleRate() * format.bytesPerFrame()));
    append16(fmt, std::uint16_t(format.bytesPerFrame()));
    append16(fmt, std::uint16_t(format.bytesPerSample() * 8));
    const QByteArray comment("Ovatron");  // odd length: the chunk gets a pad byte

    QByteArray body("WAVE");
    body.append("fmt ");
    append32(body, std::uint32_t(fmt.size()));
    body.append(fmt);
    body.append("LIST");
    append32(body, std::uint32_t(comment.size()));
    body.append(comment);
    body.append('\0');
    body.append("data");
    append32(body, std::uint32_t(samples.size()));
    body.append(samples);

    QByteArray file("RIFF");
    append32(file, std::uint32_t(body.size()));
    return file + body;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace audio::test
