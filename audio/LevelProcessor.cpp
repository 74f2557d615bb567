// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/LevelProcessor.h"

#include "audio/LoudnessMapping.h"

#include <algorithm>

namespace audio {
namespace {

unsigned sampleRateOf(const QAudioFormat& format)
{
    return unsigned(std::max(format.sampleRate(), 0));
}

}  // namespace

LevelProcessor::LevelProcessor(const QAudioFormat& format, LevelBoard& board,
                               const MicrophoneCalibration& calibration)
    : m_decoder(format),
      // The momentary loudness, so that the level shows every clap and shout at once; the
      // meter's score is what the room held of it for three seconds (core/HeldLevel.h).
      m_meter(sampleRateOf(format), kMomentaryWindowMs),
      m_board(board),
      m_calibration(calibration),
      m_framesPerPublish(std::max<std::size_t>(sampleRateOf(format) / kPublishesPerSecond, 1)),
      m_framesToPublish(m_framesPerPublish)
{
}

void LevelProcessor::process(QByteArrayView bytes)
{
    m_mono.clear();
    m_decoder.decode(bytes, m_mono);
    const float* samples = m_mono.data();
    std::size_t left = m_mono.size();
    while (left > 0) {
        const std::size_t taken = std::min(left, m_framesToPublish);
        feed(samples, taken);
        samples += taken;
        left -= taken;
        m_framesToPublish -= taken;
        if (m_framesToPublish == 0) {
            const double lufs = m_meter.loudness();
            m_board.publish({levelForLoudness(lufs, m_calibration), lufs});
            m_framesToPublish = m_framesPerPublish;
        }
    }
}

void LevelProcessor::feed(const float* samples, std::size_t count)
{
    m_meter.addFrames(samples, count);
    if (m_floor)
        m_floor->addFrames(samples, count);
}

void LevelProcessor::startFloorMeasurement()
{
    m_floor.emplace(m_meter.sampleRate());
}

std::optional<double> LevelProcessor::takeMeasuredFloor()
{
    if (!m_floor || !m_floor->isComplete())
        return std::nullopt;
    const double floor = m_floor->floorLufs();
    m_floor.reset();
    return floor;
}

}  // namespace audio
