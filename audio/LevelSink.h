// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/LevelProcessor.h"

#include <QIODevice>

// The device that QAudioSource pushes the microphone's bytes into, and that the file player
// writes a WAV file's bytes into: both reach the same LevelProcessor.
namespace audio {

class LevelSink : public QIODevice {
    Q_OBJECT
public:
    LevelSink(const QAudioFormat& format, LevelBoard& board, const MicrophoneCalibration& calibration,
              QObject* parent = nullptr);

    void setCalibration(const MicrophoneCalibration& calibration);
    void startFloorMeasurement();

    // Bytes taken since the last call; the stall watchdog asks.
    bool takeArrival();

signals:
    // The first bytes arrived: the sound is live.
    void soundArrived();
    void floorMeasured(double floorLufs);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    LevelProcessor m_processor;
    bool m_arrived = false;
    bool m_everArrived = false;
};

}  // namespace audio
