// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/CaptureFormat.h"

#include "audio/SampleDecoder.h"

namespace audio {
namespace {

QAudioFormat monoFormat(int sampleRate, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(sampleFormat);
    return format;
}

}  // namespace

QList<QAudioFormat> captureFormatCandidates(const QAudioFormat& preferred)
{
    QList<QAudioFormat> candidates;
    const auto add = [&candidates](const QAudioFormat& format) {
        if (format.isValid() && SampleDecoder::canDecode(format) && !candidates.contains(format))
            candidates.append(format);
    };
    for (const QAudioFormat::SampleFormat sampleFormat : {QAudioFormat::Int16, QAudioFormat::Float}) {
        add(monoFormat(kPreferredSampleRate, sampleFormat));
        if (preferred.sampleRate() > 0)
            add(monoFormat(preferred.sampleRate(), sampleFormat));
    }
    // Last, whatever the device likes best; several channels are mixed down.
    add(preferred);
    return candidates;
}

std::optional<QAudioFormat> chooseCaptureFormat(const QAudioDevice& device)
{
    for (const QAudioFormat& format : captureFormatCandidates(device.preferredFormat())) {
        if (device.isFormatSupported(format))
            return format;
    }
    return std::nullopt;
}

}  // namespace audio
