// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/LevelSink.h"

#include <utility>

namespace audio {

LevelSink::LevelSink(const QAudioFormat& format, LevelBoard& board,
                     const MicrophoneCalibration& calibration, QObject* parent)
    : QIODevice(parent), m_processor(format, board, calibration)
{
}

void LevelSink::setCalibration(const MicrophoneCalibration& calibration)
{
    m_processor.setCalibration(calibration);
}

void LevelSink::startFloorMeasurement()
{
    m_processor.startFloorMeasurement();
}

bool LevelSink::takeArrival()
{
    return std::exchange(m_arrived, false);
}

qint64 LevelSink::readData(char*, qint64)
{
    return -1;  // write-only
}

qint64 LevelSink::writeData(const char* data, qint64 size)
{
    if (size <= 0)
        return 0;
    m_processor.process(QByteArrayView(data, size));
    m_arrived = true;
    if (!m_everArrived) {
        m_everArrived = true;
        emit soundArrived();
    }
    if (const std::optional<double> floor = m_processor.takeMeasuredFloor())
        emit floorMeasured(*floor);
    return size;
}

}  // namespace audio
