// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/MicrophoneSettings.h"
#include "show/MicrophoneInput.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace brio {
class BRAppConfig;
}
class MeterSession;

// One microphone of the room as the state and the dialog show it.
struct MicrophoneLevel {
    QString place;
    int level = 0;  // above its own floor, on the meter's 0..100
    bool live = false;
};

// The meter's microphones: the stored choice of input, devices and calibration, and the sound
// inputs themselves, one per microphone, made only once the microphone is wanted (the sound system is asked for
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

    // Begins to listen when the microphone is the stored input. WAV files (ovatron
    // --audio-file) stand in for the devices from now on, one microphone each; none for the
    // devices.
    void begin(const QStringList& audioFiles = {});
    // The first microphone's file, for the calibration dialog; empty for the device.
    QString audioFile() const { return m_audioFiles.value(0); }
    const QStringList& audioFiles() const { return m_audioFiles; }

    // Whether the microphone is the meter's input, as stored.
    bool isInUse() const { return m_config.useMicrophone; }
    // Switches the input, stores the choice and starts or stops listening; the session's
    // clock follows.
    void setInUse(bool inUse);

    // The room's level while the microphone is the input and hears the room: each live
    // microphone above its own floor, as one energy mean (audio/RoomLevel). None means the
    // keyboard measures, as while no microphone is there.
    std::optional<int> reading() const;
    // Each microphone's place, level and whether it hears, in order; none while not listening.
    std::vector<MicrophoneLevel> microphoneLevels() const;
    // Each microphone's level alone, in the order of the curve source's microphones, or
    // curve::kNotHeard while it does not hear; none while not listening.
    void readEach(std::vector<std::uint8_t>& into) const;
    // A duel's side: the level of the microphones at these places, as one room; none when
    // none of them hears.
    std::optional<int> sideReading(const QStringList& places) const;
    // Whether a microphone of this show stands at the place (case aside).
    bool hasPlace(const QString& place) const;
    // The places of the microphones this show listens to, in order.
    QStringList places() const;

    // The input for the calibration dialog, listening whether or not the meter uses it; none
    // (and a notice) when the microphone's module cannot be loaded.
    MicrophoneInput* listen();
    // Rereads the stored settings after the dialog and listens only if the meter needs it.
    void reload();
    // Measures every microphone's floor at once, on the next three seconds of a quiet room:
    // each floor is stored as that microphone's, and roomMeasured tells what the operator
    // should know. False when no microphone hears, so there is nothing to measure.
    bool measureRoom();

signals:
    // One line for the operator: the input failed, or came back.
    void notice(const QString& text);
    // The stored choice of input may have changed (setInUse, reload).
    void inUseChanged();
    // measureRoom is done: the warnings of RoomCalibration, empty when all is well.
    void roomMeasured(const QStringList& warnings);

private:
    struct Microphone {
        std::unique_ptr<MicrophoneInput> input;
        MicrophoneSpot spot;
        QString place;      // as notices name it
        bool down = false;  // reported as stopped, not yet back
    };

    // Listens to the files or the chosen devices, from the start.
    void start();
    // The microphones this show listens to: one per file, or the stored ones.
    std::vector<MicrophoneSpot> wantedMicrophones() const;
    audio::MicrophoneCalibration calibrationOf(const MicrophoneSpot& spot) const;
    void microphoneFailed(std::size_t index, const QString& message);
    void microphoneResumed(std::size_t index, const QString& message);
    void microphoneFloorMeasured(std::size_t index, double floorLufs);
    // A microphone's level above its own floor; none while it does not hear.
    std::optional<int> ownLevel(const Microphone& microphone) const;
    void sampleRoom();

    // The room being measured: each microphone's floor once it came, and its loudness ten
    // times a second meanwhile.
    struct RoomMeasurement {
        std::vector<std::optional<double>> floors;
        std::vector<std::vector<double>> loudness;
        int waiting = 0;
    };
    void followChoice();
    // What measures the room now, for the meter's turn curves: each microphone's file or
    // device name (empty for the system's default), in order.
    QStringList inputNames() const;
    void tellCurveSource();

    brio::BRAppConfig& m_settings;
    MeterSession& m_session;
    MicrophoneConfig m_config;
    QStringList m_audioFiles;
    std::vector<Microphone> m_microphones;  // made from the module the first time it is wanted
    bool m_started = false;  // listening, or looking for the device
    std::optional<RoomMeasurement> m_measuring;
    QTimer m_roomSampler;
};
