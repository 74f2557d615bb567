// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QList>

#include <optional>

// Which format to ask a microphone for: mono at 48 kHz if it can, otherwise what it prefers.
namespace audio {

inline constexpr int kPreferredSampleRate = 48000;

// The formats to try, best first, for a device that prefers `preferred`.
QList<QAudioFormat> captureFormatCandidates(const QAudioFormat& preferred);

// The first candidate the device accepts and SampleDecoder reads; none when it refuses all.
std::optional<QAudioFormat> chooseCaptureFormat(const QAudioDevice& device);

}  // namespace audio
