// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/MicrophoneSource.h"

#include "brio/BRStringQt.h"
#include "show/MeterSession.h"

#include <QFileInfo>

namespace {

audio::MicrophoneCalibration calibrationOf(const StoredCalibration& stored)
{
    return audio::MicrophoneCalibration{stored.floorLufs, stored.rangeLu};
}

}  // namespace

MicrophoneSource::MicrophoneSource(brio::BRAppConfig& settings, MeterSession& session,
                                   QObject* parent)
    : QObject(parent), m_settings(settings), m_session(session),
      m_config(loadMicrophoneConfig(settings))
{
    connect(this, &MicrophoneSource::notice, &m_session, &MeterSession::notice);
    m_session.setMeasuredLevel([this]() { return reading(); }, [this]() { return isInUse(); });
    tellCurveSource();
}

MicrophoneSource::~MicrophoneSource()
{
    m_session.setMeasuredLevel({}, {});
}

void MicrophoneSource::begin(const QString& audioFile)
{
    m_audioFile = audioFile;
    tellCurveSource();
    followChoice();
}

void MicrophoneSource::setInUse(bool inUse)
{
    m_config.useMicrophone = inUse;
    storeUseMicrophone(m_settings, inUse);
    followChoice();
    m_session.followClock();
    emit inUseChanged();
}

std::optional<int> MicrophoneSource::reading() const
{
    if (!m_config.useMicrophone || !m_input || !m_input->isLive())
        return std::nullopt;
    return m_input->level();
}

MicrophoneInput* MicrophoneSource::listen()
{
    if (!m_started)
        start();
    return m_input.get();
}

void MicrophoneSource::reload()
{
    m_config = loadMicrophoneConfig(m_settings);
    // The dialog may have listened to another device than the one kept.
    if (m_config.useMicrophone)
        start();
    else
        followChoice();
    tellCurveSource();
    emit inUseChanged();
}

void MicrophoneSource::followChoice()
{
    if (m_config.useMicrophone && m_started) {
        m_input->setCalibration(calibrationOf(m_config.calibration));
    } else if (m_config.useMicrophone) {
        start();
    } else if (m_started) {
        m_input->stop();
        m_started = false;
    }
}

void MicrophoneSource::start()
{
    if (!m_input) {
        QString error;
        m_input = MicrophoneInput::load(error);
        if (!m_input) {
            emit notice(error);  // the keyboard goes on measuring
            return;
        }
        connect(m_input.get(), &MicrophoneInput::failed, this, &MicrophoneSource::notice);
        connect(m_input.get(), &MicrophoneInput::resumed, this, &MicrophoneSource::notice);
    }
    m_started = true;
    tellCurveSource();  // the device's name is known now
    if (m_audioFile.isEmpty())
        m_input->startDevice(m_config.deviceId, calibrationOf(m_config.calibration));
    else
        m_input->startFile(m_audioFile, calibrationOf(m_config.calibration));
}

QString MicrophoneSource::inputName() const
{
    if (!m_audioFile.isEmpty())
        return QFileInfo(m_audioFile).fileName();
    if (m_input) {
        for (const audio::InputDevice& device : m_input->devices()) {
            if (device.id == m_config.deviceId && !m_config.deviceId.isEmpty())
                return device.description;
        }
    }
    return m_config.deviceId;  // empty: the system's default
}

void MicrophoneSource::tellCurveSource()
{
    // Each turn's curve copies this at its first reading of the room.
    m_session.meter().setCurveSource(CurveSource{.microphone = true,
                                                 .inputName = brio::fromQString(inputName()),
                                                 .floorLufs = m_config.calibration.floorLufs,
                                                 .rangeLu = m_config.calibration.rangeLu});
}
