// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/InputDevices.h"
#include "audio/LevelBoard.h"
#include "audio/MicrophoneSettings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

// The sound input as the UI sees it: start listening to a microphone or a WAV file, read
// the latest level on every tick, hear about faults. The listening runs on a thread of its
// own; nothing here waits for it, except the bounded stop when the object is destroyed.
namespace audio {

class CaptureWorker;

class AudioInput : public QObject {
    Q_OBJECT
public:
    explicit AudioInput(QObject* parent = nullptr);
    ~AudioInput() override;

    static QList<InputDevice> devices();

    // Listens to the microphone with this id, or to the system's default for an empty id.
    // A microphone that is missing or goes away is reported through failed() and looked
    // for until it returns, which resumed() reports.
    void startDevice(const QString& deviceId, const MicrophoneCalibration& calibration);
    // Plays a WAV file through the same path, in real time, looped.
    void startFile(const QString& path, const MicrophoneCalibration& calibration);
    void stop();

    void setCalibration(const MicrophoneCalibration& calibration);
    // Measures the floor on the next three seconds of sound; floorMeasured() answers. False
    // when nothing is being heard, so there is nothing to measure.
    bool measureFloor();

    // Sound is arriving and level() follows it; otherwise the meter uses the keyboard.
    bool isLive() const { return m_board.isLive(); }
    // The latest level, 0..100; 0 when not live.
    int level() const { return m_board.level(); }
    // The latest momentary loudness in LUFS, for the calibration dialog's live bar.
    double loudnessLufs() const { return m_board.loudnessLufs(); }
    // Counts the readings published so far; a reading that changed shows here.
    quint64 readingCount() const { return m_board.updates(); }

signals:
    // One translated line; the input stopped publishing.
    void failed(const QString& message);
    // One translated line; the microphone is back and the input publishes again.
    void resumed(const QString& message);
    // The measured room, rounded to one decimal: the value to store as "MicrophoneFloor".
    void floorMeasured(double floorLufs);

private:
    LevelBoard m_board;
    QThread m_thread;
    CaptureWorker* m_worker;
};

}  // namespace audio
