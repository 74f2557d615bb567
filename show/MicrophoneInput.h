// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/SoundInput.h"

#include <QLibrary>
#include <QObject>
#include <QString>

#include <memory>

// The microphone's input, made by its module (audio/SoundInput.h), which is loaded on first
// use: its reports become signals, and every call goes through to the module's input.
class MicrophoneInput : public QObject {
    Q_OBJECT
public:
    // Loads the module (once per process) and makes an input; none, with the reason in error,
    // when the module cannot be loaded.
    static std::unique_ptr<MicrophoneInput> load(QString& error);
    // The same from the module at this path.
    static std::unique_ptr<MicrophoneInput> load(const QString& modulePath, QString& error);
    ~MicrophoneInput() override;

    QList<audio::InputDevice> devices() const { return m_input->devices(); }
    void startDevice(const QString& deviceId, const audio::MicrophoneCalibration& calibration)
    {
        m_input->startDevice(deviceId, calibration);
    }
    void startFile(const QString& path, const audio::MicrophoneCalibration& calibration)
    {
        m_input->startFile(path, calibration);
    }
    void stop() { m_input->stop(); }
    void setCalibration(const audio::MicrophoneCalibration& calibration)
    {
        m_input->setCalibration(calibration);
    }
    bool measureFloor() { return m_input->measureFloor(); }
    bool isLive() const { return m_input->isLive(); }
    int level() const { return m_input->level(); }
    double loudnessLufs() const { return m_input->loudnessLufs(); }

signals:
    // As audio::AudioInput's signals of the same names.
    void failed(const QString& message);
    void resumed(const QString& message);
    void floorMeasured(double floorLufs);

private:
    explicit MicrophoneInput(audio::MakeSoundInput make);

    std::unique_ptr<audio::SoundInput> m_input;
};

// Where the module is looked for: lib/ovatron beside the program's folder.
QString soundModulePath();
