// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A turn's curve: the meter's level ten times a second (every fifth 20 ms tick), from Enter,
// or from the opening of an equal turn's window, to the end of the turn. With the microphone
// the level is the room's momentary loudness on the meter's scale; with the keyboard it is
// the level SPACE made.
namespace curve {

inline constexpr int kReadingsPerSecond = 10;
inline constexpr int kTicksPerReading = 5;
// Ten minutes. A turn left running longer keeps its first ten minutes; the score still
// counts every reading.
inline constexpr std::size_t kMaximumReadings = 6000;
// A microphone's reading while it did not hear the room (stopped, or not yet back).
inline constexpr std::uint8_t kNotHeard = 255;

}  // namespace curve

// One of the microphones that measured a turn of the room.
struct CurveMicrophone {
    brio::BRString place;
    brio::BRString inputName;  // its device or file; empty for the system's default
    double floorLufs = 0.0;    // its own floor then

    friend bool operator==(const CurveMicrophone&, const CurveMicrophone&) = default;
};

// What measured a turn, as it was when the turn's first reading was taken.
struct CurveSource {
    bool microphone = false;
    brio::BRString inputName;  // the device or file; empty for the keyboard
    double floorLufs = 0.0;    // the room's calibration then; 0 for the keyboard
    double rangeLu = 0.0;
    // The room's microphones, in order; none for the keyboard, and none in a file from before
    // microphones were kept apart.
    std::vector<CurveMicrophone> microphones;

    friend bool operator==(const CurveSource&, const CurveSource&) = default;
};

struct TurnCurve {
    CurveSource source;
    std::vector<std::uint8_t> readings;  // each 0..100
    // Beside the room's readings, each of source.microphones' own, reading for reading: 0..100
    // above its own floor, or curve::kNotHeard while it did not hear.
    std::vector<std::vector<std::uint8_t>> microphoneReadings;

    friend bool operator==(const TurnCurve&, const TurnCurve&) = default;
};

// The loudest reading and when it came (the first such, in seconds from the curve's start).
struct LoudestMoment {
    int level = 0;
    double seconds = 0.0;

    friend bool operator==(const LoudestMoment&, const LoudestMoment&) = default;
};

std::optional<LoudestMoment> loudestMoment(std::span<const std::uint8_t> readings);

// How long the readings cover.
double curveSeconds(std::span<const std::uint8_t> readings);

// Whether stored readings make a curve: some, not more than kMaximumReadings, each on the
// meter's scale.
bool isValidCurve(std::span<const int> readings);
// Whether a microphone's stored readings go beside a curve of `count` readings: as many, each
// on the meter's scale or curve::kNotHeard.
bool isValidMicrophoneCurve(std::span<const int> readings, std::size_t count);
