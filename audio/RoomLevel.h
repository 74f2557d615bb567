// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

// The room measured where the audience sits: up to four microphones among the seats, so that
// the fans next to one of them do not decide the evening.
namespace audio {

struct MicrophoneReading {
    double loudnessLufs = 0.0;  // momentary loudness
    double floorLufs = 0.0;     // this microphone's own floor, measured where it stands
    bool live = true;           // false once it has stopped: it is left out
};

struct RoomLevel {
    double aboveFloorLu = 0.0;  // the live microphones above their floors, as one energy mean
    int level = 0;              // that on the meter's 0..100, over the room's one range
};

// The energy mean (10·log10 of the mean of 10^(L/10)) of each live microphone's loudness
// above its own floor, mapped with the room's one range (MicrophoneRange): neither the loudest
// microphone nor the first. Nothing when no microphone is live.
std::optional<RoomLevel> roomLevelOf(std::span<const MicrophoneReading> microphones,
                                     double rangeLu);

// A microphone this much louder than every other one while the room is quiet stands next to
// a loudspeaker or a crowd, and its floor will not be the room's.
inline constexpr double kCalibrationOutlierLu = 10.0;

// The microphone that read more than kCalibrationOutlierLu above each of the others at every
// moment of the calibration (each list holds one microphone's readings, moment by moment; the
// moments all of them have count), or nothing.
std::optional<std::size_t> microphoneAboveTheOthers(
    std::span<const std::vector<double>> readingsPerMicrophone);

}  // namespace audio
