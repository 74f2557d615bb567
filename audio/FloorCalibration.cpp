// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/FloorCalibration.h"

#include "audio/LoudnessMapping.h"

#include <algorithm>

namespace audio {

FloorCalibration::FloorCalibration(unsigned sampleRate, unsigned durationMs)
    : m_meter(sampleRate, durationMs),
      m_framesLeft(std::size_t(sampleRate) * durationMs / 1000)
{
}

void FloorCalibration::addFrames(const float* samples, std::size_t count)
{
    const std::size_t taken = std::min(count, m_framesLeft);
    m_meter.addFrames(samples, taken);
    m_framesLeft -= taken;
}

double FloorCalibration::floorLufs() const
{
    return roundToTenth(m_meter.loudness());
}

}  // namespace audio
