// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/MicrophoneSettings.h"
#include "show/MicrophoneInput.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace brio {
class BRAppConfig;
}
class MeterSession;

// The meter's microphone: the stored choice of input, device and calibration, and the sound
// input itself, made only once the microphone is wanted (the sound system is asked for
// nothing while the keyboard is the input). The session reads the level from here on every
// tick without waiting, and its notices go to the session's.
class MicrophoneSource : public QObject {
    Q_OBJECT
public:
    // The store must outlive the source; the session must outlive it too, and reads the level
    // from it from now on.
    MicrophoneSource(brio::BRAppConfig& settings, MeterSession& session,
                     QObject* parent = nullptr);
    ~MicrophoneSource() override;

    // Begins to listen when the microphone is the stored input. A WAV file (ovatron
    // --audio-file) stands in for the device from now on; empty for the device.
    void begin(const QString& audioFile = {});
    const QString& audioFile() const { return m_audioFile; }

    // Whether the microphone is the meter's input, as stored.
    bool isInUse() const { return m_config.useMicrophone; }
    // Switches the input, stores the choice and starts or stops listening; the session's
    // clock follows.
    void setInUse(bool inUse);

    // The measured level while the microphone is the input and hears the room; none means
    // the keyboard measures, as while no device is there.
    std::optional<int> reading() const;

    // The input for the calibration dialog, listening whether or not the meter uses it; none
    // (and a notice) when the microphone's module cannot be loaded.
    MicrophoneInput* listen();
    // Rereads the stored settings after the dialog and listens only if the meter needs it.
    void reload();

signals:
    // One line for the operator: the input failed, or came back.
    void notice(const QString& text);
    // The stored choice of input may have changed (setInUse, reload).
    void inUseChanged();

private:
    // Listens to the file or the chosen device, from the start.
    void start();
    void followChoice();
    // What measures the room now, for the meter's turn curves: the file's or the device's
    // name (empty for the system's default) and the calibration.
    QString inputName() const;
    void tellCurveSource();

    brio::BRAppConfig& m_settings;
    MeterSession& m_session;
    MicrophoneConfig m_config;
    QString m_audioFile;
    std::unique_ptr<MicrophoneInput> m_input;  // made from the module the first time it is wanted
    bool m_started = false;  // listening, or looking for the device
};
