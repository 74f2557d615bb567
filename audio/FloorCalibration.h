// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/LoudnessMeter.h"

#include <cstddef>

// "Measure the Room": the loudness of a few seconds of the quiet room becomes the floor,
// the loudness that reads as level 0.
namespace audio {

inline constexpr unsigned kFloorMeasureMs = 3000;

class FloorCalibration {
public:
    explicit FloorCalibration(unsigned sampleRate, unsigned durationMs = kFloorMeasureMs);

    // Takes frames until the duration is complete; the rest is ignored.
    void addFrames(const float* samples, std::size_t count);

    bool isComplete() const { return m_framesLeft == 0; }

    // The floor in LUFS, rounded to one decimal; meaningful once complete.
    double floorLufs() const;

private:
    // The ungated loudness of the whole duration: the mean of the K-weighted energy, not of
    // the LUFS figures. That is the statistic the loudness meter itself uses, so a steady
    // room reads exactly at the floor while playing, and level 0 means "as quiet as when
    // measured". EBU gating is left out on purpose: it drops the quiet parts, which are
    // precisely what is measured here.
    LoudnessMeter m_meter;
    std::size_t m_framesLeft;
};

}  // namespace audio
