// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/MicrophoneSettings.h"
#include "core/settings/MicrophoneSettings.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// Generated sound for the audio tests: pink noise and sines at chosen loudness, encoded as
// a device or a WAV file would hold them.
namespace audio::test {

inline constexpr int kRate = 48000;

// The calibration of a room nobody has measured, as the program stores it.
inline constexpr MicrophoneCalibration kUnmeasuredRoom{kDefaultMicrophoneFloorLufs,
                                                       kDefaultMicrophoneRangeLu};

// Pink noise (Paul Kellet's filter over seeded white noise), scaled to an RMS of 1.
std::vector<float> pinkNoise(std::size_t frames, std::uint32_t seed = 1);

// A sine of the given peak amplitude.
std::vector<float> sine(std::size_t frames, double frequency, double amplitude, int rate = kRate);

// The peak amplitude of a 997 Hz sine that reads `lufs`: BS.1770 puts a full-scale sine
// at -3.01 LUFS.
double sineAmplitudeFor(double lufs);

std::vector<float> scaled(std::vector<float> samples, double gain);
std::vector<float> silence(std::size_t frames);
std::vector<float> joined(std::vector<float> first, const std::vector<float>& second);

std::size_t framesFor(int milliseconds, int rate = kRate);

QAudioFormat makeFormat(QAudioFormat::SampleFormat sampleFormat, int channels, int rate = kRate);

// Interleaved samples of the format, every channel carrying the same signal.
QByteArray encode(const std::vector<float>& mono, const QAudioFormat& format);

// A WAV file of the encoded samples, with a comment chunk ahead of the data, as editors
// write them.
QByteArray wavFile(const std::vector<float>& mono, const QAudioFormat& format);
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace audio::test
