// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/MicrophoneSource.h"

#include "audio/RoomLevel.h"
#include "brio/BRStringQt.h"
#include "core/TurnCurve.h"
#include "show/MeterSession.h"
#include "show/RoomCalibration.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

MicrophoneSource::MicrophoneSource(brio::BRAppConfig& settings, MeterSession& session,
                                   QObject* parent)
    : QObject(parent), m_settings(settings), m_session(session),
      m_config(loadMicrophoneConfig(settings))
{
    connect(this, &MicrophoneSource::notice, &m_session, &MeterSession::notice);
    m_session.setMeasuredLevel([this]() { return reading(); }, [this]() { return isInUse(); });
    m_session.setSideLevels([this](const QStringList& places) { return sideReading(places); },
                            [this](const QString& place) { return hasPlace(place); });
    m_session.setMicrophoneReadings([this](std::vector<std::uint8_t>& into) { readEach(into); });
    m_roomSampler.setInterval(100);
    connect(&m_roomSampler, &QTimer::timeout, this, &MicrophoneSource::sampleRoom);
    tellCurveSource();
}

MicrophoneSource::~MicrophoneSource()
{
    m_session.setMeasuredLevel({}, {});
    m_session.setSideLevels({}, {});
    m_session.setMicrophoneReadings({});
}

void MicrophoneSource::begin(const QStringList& audioFiles)
{
    m_audioFiles = audioFiles;
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
    if (!m_config.useMicrophone || !m_started || m_microphones.empty())
        return std::nullopt;
    // One microphone reads as it always has, through its own calibration.
    if (m_microphones.size() == 1) {
        const MicrophoneInput& input = *m_microphones.front().input;
        return input.isLive() ? std::optional<int>(input.level()) : std::nullopt;
    }
    std::vector<audio::MicrophoneReading> readings;
    for (const Microphone& microphone : m_microphones)
        readings.push_back({microphone.input->loudnessLufs(), microphone.spot.floorLufs,
                            microphone.input->isLive()});
    const std::optional<audio::RoomLevel> room =
        audio::roomLevelOf(readings, m_config.calibration.rangeLu);
    return room ? std::optional<int>(room->level) : std::nullopt;
}

std::optional<int> MicrophoneSource::sideReading(const QStringList& places) const
{
    if (!m_config.useMicrophone || !m_started)
        return std::nullopt;
    std::vector<audio::MicrophoneReading> readings;
    for (const Microphone& microphone : m_microphones) {
        if (places.contains(microphone.place, Qt::CaseInsensitive))
            readings.push_back({microphone.input->loudnessLufs(), microphone.spot.floorLufs,
                                microphone.input->isLive()});
    }
    const std::optional<audio::RoomLevel> side =
        audio::roomLevelOf(readings, m_config.calibration.rangeLu);
    return side ? std::optional<int>(side->level) : std::nullopt;
}

bool MicrophoneSource::hasPlace(const QString& place) const
{
    return places().contains(place.trimmed(), Qt::CaseInsensitive);
}

QStringList MicrophoneSource::places() const
{
    QStringList named;
    const std::vector<MicrophoneSpot> wanted = wantedMicrophones();
    for (std::size_t i = 0; i < wanted.size(); ++i)
        named.append(microphonePlaceOf(wanted[i], int(i)));
    return named;
}

std::vector<MicrophoneLevel> MicrophoneSource::microphoneLevels() const
{
    std::vector<MicrophoneLevel> levels;
    if (!m_started)
        return levels;
    for (const Microphone& microphone : m_microphones)
        levels.push_back({microphone.place, ownLevel(microphone).value_or(0), microphone.input->isLive()});
    return levels;
}

void MicrophoneSource::readEach(std::vector<std::uint8_t>& into) const
{
    into.clear();
    if (!m_started)
        return;
    for (const Microphone& microphone : m_microphones) {
        const std::optional<int> level = ownLevel(microphone);
        into.push_back(level ? std::uint8_t(std::clamp(*level, 0, 100)) : curve::kNotHeard);
    }
}

std::optional<int> MicrophoneSource::ownLevel(const Microphone& microphone) const
{
    if (!microphone.input->isLive())
        return std::nullopt;
    // One microphone is the room, through its own calibration.
    if (m_microphones.size() == 1)
        return microphone.input->level();
    const audio::MicrophoneReading alone{microphone.input->loudnessLufs(), microphone.spot.floorLufs, true};
    const std::optional<audio::RoomLevel> level = audio::roomLevelOf({&alone, 1}, m_config.calibration.rangeLu);
    return level ? std::optional<int>(level->level) : std::nullopt;
}

MicrophoneInput* MicrophoneSource::listen()
{
    if (!m_started)
        start();
    return m_microphones.empty() ? nullptr : m_microphones.front().input.get();
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
        for (const Microphone& microphone : m_microphones)
            microphone.input->setCalibration(calibrationOf(microphone.spot));
    } else if (m_config.useMicrophone) {
        start();
    } else if (m_started) {
        for (const Microphone& microphone : m_microphones)
            microphone.input->stop();
        m_started = false;
    }
}

std::vector<MicrophoneSpot> MicrophoneSource::wantedMicrophones() const
{
    std::vector<MicrophoneSpot> wanted = m_config.microphones;
    if (!m_audioFiles.isEmpty()) {
        // A file stands in for each microphone; those the files leave out are not heard, and
        // a file beyond the stored microphones has the first one's floor.
        MicrophoneSpot extra;
        extra.floorLufs = m_config.calibration.floorLufs;
        wanted.resize(std::size_t(m_audioFiles.size()), extra);
    }
    return wanted;
}

audio::MicrophoneCalibration MicrophoneSource::calibrationOf(const MicrophoneSpot& spot) const
{
    return audio::MicrophoneCalibration{spot.floorLufs, m_config.calibration.rangeLu};
}

void MicrophoneSource::start()
{
    const std::vector<MicrophoneSpot> wanted = wantedMicrophones();
    m_microphones.resize(std::min(m_microphones.size(), wanted.size()));
    while (m_microphones.size() < wanted.size()) {
        QString error;
        std::unique_ptr<MicrophoneInput> input = MicrophoneInput::load(error);
        if (!input) {
            emit notice(error);  // the keyboard goes on measuring
            m_microphones.clear();
            return;
        }
        const std::size_t index = m_microphones.size();
        connect(input.get(), &MicrophoneInput::failed, this,
                [this, index](const QString& message) { microphoneFailed(index, message); });
        connect(input.get(), &MicrophoneInput::resumed, this,
                [this, index](const QString& message) { microphoneResumed(index, message); });
        connect(input.get(), &MicrophoneInput::floorMeasured, this,
                [this, index](double floor) { microphoneFloorMeasured(index, floor); });
        m_microphones.push_back(Microphone{std::move(input), {}, {}, false});
    }
    m_started = true;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        Microphone& microphone = m_microphones[i];
        microphone.spot = wanted[i];
        microphone.place = microphonePlaceOf(wanted[i], int(i));
        microphone.down = false;
        if (m_audioFiles.isEmpty())
            microphone.input->startDevice(wanted[i].deviceId, calibrationOf(wanted[i]));
        else
            microphone.input->startFile(m_audioFiles[qsizetype(i)], calibrationOf(wanted[i]));
    }
    tellCurveSource();  // the devices' names are known now
}

bool MicrophoneSource::measureRoom()
{
    if (!m_started || m_measuring)
        return false;
    RoomMeasurement measuring;
    measuring.floors.resize(m_microphones.size());
    measuring.loudness.resize(m_microphones.size());
    for (const Microphone& microphone : m_microphones) {
        if (microphone.input->measureFloor())
            ++measuring.waiting;
    }
    if (measuring.waiting == 0)
        return false;
    m_measuring = std::move(measuring);
    m_roomSampler.start();
    return true;
}

void MicrophoneSource::sampleRoom()
{
    if (!m_measuring)
        return;
    for (std::size_t i = 0; i < m_microphones.size(); ++i) {
        const MicrophoneInput& input = *m_microphones[i].input;
        m_measuring->loudness[i].push_back(input.isLive() ? input.loudnessLufs()
                                                          : -std::numeric_limits<double>::infinity());
    }
}

void MicrophoneSource::microphoneFloorMeasured(std::size_t index, double floorLufs)
{
    // One microphone measured alone (the dialog's "Measure the Room") is the caller's to store.
    if (!m_measuring || index >= m_measuring->floors.size() || m_measuring->floors[index])
        return;
    m_measuring->floors[index] = floorLufs;
    if (--m_measuring->waiting > 0)
        return;
    m_roomSampler.stop();
    const RoomMeasurement measured = std::move(*m_measuring);
    m_measuring.reset();
    std::vector<MicrophoneSpot> spots = wantedMicrophones();
    for (std::size_t i = 0; i < spots.size() && i < measured.floors.size(); ++i) {
        // A microphone that heard nothing keeps its floor: silence is no room's.
        if (measured.floors[i] && *measured.floors[i] >= kSilentMicrophoneLufs)
            spots[i].floorLufs = *measured.floors[i];
    }
    if (spots.size() == 1)
        storeMicrophoneFloor(m_settings, spots.front().floorLufs);
    else
        storeMicrophones(m_settings, spots);
    m_config = loadMicrophoneConfig(m_settings);
    for (std::size_t i = 0; i < m_microphones.size() && i < spots.size(); ++i) {
        m_microphones[i].spot.floorLufs = spots[i].floorLufs;
        m_microphones[i].input->setCalibration(calibrationOf(spots[i]));
    }
    tellCurveSource();
    // Told once every input's own report of its floor has gone round.
    QMetaObject::invokeMethod(
        this,
        [this, warnings = roomCalibrationWarnings(places(), measured.loudness)] {
            emit roomMeasured(warnings);
        },
        Qt::QueuedConnection);
}

void MicrophoneSource::microphoneFailed(std::size_t index, const QString& message)
{
    // One microphone says it as it always has.
    if (m_microphones.size() == 1) {
        emit notice(message);
        return;
    }
    // Of a room's microphone the operator hears once, by its place, however its input goes
    // on looking for it; from this moment the room is measured without it.
    Microphone& stopped = m_microphones[index];
    if (stopped.down)
        return;
    stopped.down = true;
    const bool othersHear = std::any_of(m_microphones.begin(), m_microphones.end(),
                                        [](const Microphone& m) { return !m.down; });
    emit notice(othersHear
                    ? tr("The microphone at \"%1\" stopped; the others go on measuring the room.")
                          .arg(stopped.place)
                    : tr("The microphone at \"%1\" stopped, the last that heard the room; "
                         "the meter follows the keyboard.")
                          .arg(stopped.place));
}

void MicrophoneSource::microphoneResumed(std::size_t index, const QString& message)
{
    if (m_microphones.size() == 1) {
        emit notice(message);
        return;
    }
    Microphone& back = m_microphones[index];
    if (!back.down)
        return;
    back.down = false;
    emit notice(tr("The microphone at \"%1\" is back; it measures the room again.").arg(back.place));
}

QStringList MicrophoneSource::inputNames() const
{
    QStringList names;
    for (const QString& file : m_audioFiles)
        names.append(QFileInfo(file).fileName());
    if (!names.isEmpty())
        return names;
    const QList<audio::InputDevice> devices =
        m_microphones.empty() ? QList<audio::InputDevice>{}
                              : m_microphones.front().input->devices();
    for (const MicrophoneSpot& spot : m_config.microphones) {
        QString name = spot.deviceId;  // empty: the system's default
        for (const audio::InputDevice& device : devices) {
            if (device.id == spot.deviceId && !spot.deviceId.isEmpty())
                name = device.description;
        }
        names.append(name);
    }
    return names;
}

void MicrophoneSource::tellCurveSource()
{
    // Each turn's curve copies this at its first reading of the room.
    const QStringList names = inputNames();
    CurveSource source{.microphone = true,
                       .inputName = brio::fromQString(names.join(QStringLiteral(", "))),
                       .floorLufs = m_config.calibration.floorLufs,
                       .rangeLu = m_config.calibration.rangeLu,
                       .microphones = {}};
    const std::vector<MicrophoneSpot> wanted = wantedMicrophones();
    for (std::size_t i = 0; i < wanted.size(); ++i)
        source.microphones.push_back({brio::fromQString(microphonePlaceOf(wanted[i], int(i))),
                                      brio::fromQString(names.value(qsizetype(i))), wanted[i].floorLufs});
    m_session.setCurveSource(source);
}
