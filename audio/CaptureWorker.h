// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/AudioFault.h"
#include "audio/LevelBoard.h"
#include "audio/MicrophoneSettings.h"

#include <QAudio>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QAudioSource;
class QMediaDevices;

// Lives on the audio thread: opens the microphone or the file, feeds the level path,
// watches for the microphone going away and coming back. Every call arrives queued from
// AudioInput; every report leaves as a signal.
namespace audio {

class FilePlayer;
class LevelSink;

class CaptureWorker : public QObject {
    Q_OBJECT
public:
    explicit CaptureWorker(LevelBoard& board, QObject* parent = nullptr);
    ~CaptureWorker() override;

    void startDevice(const QString& id, const MicrophoneCalibration& calibration);
    void startFile(const QString& path, const MicrophoneCalibration& calibration);
    void stop();
    void setCalibration(const MicrophoneCalibration& calibration);
    void measureFloor();

signals:
    void failed(const QString& message);
    void resumed(const QString& message);
    void floorMeasured(double floorLufs);

private:
    enum class Mode { Idle, Device, File };

    void openDevice();
    void openSink(const QAudioFormat& format);
    void closeInput();
    void fail(AudioFault fault, const QString& name);
    void onSoundArrived();
    void watchDevice();
    void onSourceStateChanged(QAudio::State state);
    void checkSourceStopped();

    LevelBoard& m_board;
    Mode m_mode = Mode::Idle;
    QString m_wantedId;  // empty: the system's default microphone
    QAudioDevice m_device;
    MicrophoneCalibration m_calibration;
    std::optional<AudioFault> m_fault;  // set while the input is down
    bool m_wasDown = false;             // the next sound is a return worth reporting
    bool m_heard = false;               // the open device has sent sound
    QMediaDevices* m_mediaDevices = nullptr;
    QAudioSource* m_source = nullptr;
    LevelSink* m_sink = nullptr;
    FilePlayer* m_player = nullptr;
    QTimer m_watchTimer;
    QElapsedTimer m_silence;  // since the device last sent sound
};

}  // namespace audio
