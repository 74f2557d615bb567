// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module: audio::AudioInput behind the plain interface the windows load for the
// microphone, and audio::CuePlayback behind the one the show loads for its cues.

#include "audio/AudioInput.h"
#include "audio/CuePlayback.h"
#include "audio/CuePlayer.h"
#include "audio/SoundInput.h"

#include <QtGlobal>

#include <utility>

namespace {

class ModuleInput final : public audio::SoundInput {
public:
    explicit ModuleInput(audio::SoundEvents events) : m_events(std::move(events))
    {
        QObject::connect(&m_input, &audio::AudioInput::failed, &m_input,
                         [this](const QString& message) { report(m_events.failed, message); });
        QObject::connect(&m_input, &audio::AudioInput::resumed, &m_input,
                         [this](const QString& message) { report(m_events.resumed, message); });
        QObject::connect(&m_input, &audio::AudioInput::floorMeasured, &m_input,
                         [this](double floor) { report(m_events.floorMeasured, floor); });
    }

    QList<audio::InputDevice> devices() const override { return audio::AudioInput::devices(); }
    void startDevice(const QString& deviceId,
                     const audio::MicrophoneCalibration& calibration) override
    {
        m_input.startDevice(deviceId, calibration);
    }
    void startFile(const QString& path, const audio::MicrophoneCalibration& calibration) override
    {
        m_input.startFile(path, calibration);
    }
    void stop() override { m_input.stop(); }
    void setCalibration(const audio::MicrophoneCalibration& calibration) override
    {
        m_input.setCalibration(calibration);
    }
    bool measureFloor() override { return m_input.measureFloor(); }
    bool isLive() const override { return m_input.isLive(); }
    int level() const override { return m_input.level(); }
    double loudnessLufs() const override { return m_input.loudnessLufs(); }

private:
    template <typename Handler, typename Value>
    static void report(const Handler& handler, const Value& value)
    {
        if (handler)
            handler(value);
    }

    audio::SoundEvents m_events;
    audio::AudioInput m_input;
};

class ModuleCuePlayer final : public audio::CuePlayer {
public:
    explicit ModuleCuePlayer(audio::CueEvents events) : m_events(std::move(events))
    {
        QObject::connect(&m_playback, &audio::CuePlayback::failed, &m_playback,
                         [this](const QString& message) {
                             if (m_events.failed)
                                 m_events.failed(message);
                         });
    }

    QList<audio::OutputDevice> devices() const override { return audio::CuePlayback::devices(); }
    void setOutput(const QString& deviceId, int volumePercent) override
    {
        m_playback.setOutput(deviceId, volumePercent);
    }
    QString setSound(audio::CueSound cue, const QString& path) override
    {
        return m_playback.setSound(cue, path);
    }
    QString checkFile(const QString& path) const override
    {
        return audio::loadCueFile(path).problem;
    }
    void startRoll() override { m_playback.startRoll(); }
    void stopRoll() override { m_playback.stopRoll(); }
    void play(audio::CueSound cue) override { m_playback.play(cue); }
    void stopAll() override { m_playback.stopAll(); }
    bool isSounding() const override { return m_playback.isSounding(); }

private:
    audio::CueEvents m_events;
    audio::CuePlayback m_playback;
};

}  // namespace

extern "C" Q_DECL_EXPORT audio::CuePlayer* ovatronMakeCuePlayer(audio::CueEvents events)
{
    return new ModuleCuePlayer(std::move(events));
}

extern "C" Q_DECL_EXPORT audio::SoundInput* ovatronMakeSoundInput(audio::SoundEvents events)
{
    return new ModuleInput(std::move(events));
}
