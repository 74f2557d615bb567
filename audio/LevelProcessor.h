// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/FloorCalibration.h"
#include "audio/LevelBoard.h"
#include "audio/LoudnessMeter.h"
#include "audio/MicrophoneSettings.h"
#include "audio/SampleDecoder.h"

#include <QAudioFormat>
#include <QByteArrayView>

#include <optional>
#include <vector>

// The one path every sound takes, from a device or a file: raw samples, mono floats,
// momentary (400 ms) loudness, level; a reading is published for every 10 ms of sound.
namespace audio {

inline constexpr int kPublishesPerSecond = 100;

class LevelProcessor {
public:
    LevelProcessor(const QAudioFormat& format, LevelBoard& board,
                   const MicrophoneCalibration& calibration);

    void process(QByteArrayView bytes);

    void setCalibration(const MicrophoneCalibration& calibration) { m_calibration = calibration; }

    // Starts measuring the floor on the sound that follows; takeMeasuredFloor() answers once.
    void startFloorMeasurement();
    std::optional<double> takeMeasuredFloor();

private:
    void feed(const float* samples, std::size_t count);

    SampleDecoder m_decoder;
    LoudnessMeter m_meter;
    LevelBoard& m_board;
    MicrophoneCalibration m_calibration;
    std::optional<FloorCalibration> m_floor;
    std::size_t m_framesPerPublish;
    std::size_t m_framesToPublish;
    std::vector<float> m_mono;
};

}  // namespace audio
