// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/MicrophoneSettings.h"

#include "core/settings/SettingsAccess.h"
#include "core/settings/TurnSettings.h"

#include "core/Translated.h"

#include <algorithm>
#include <cmath>

using brio::BRAppConfig;

namespace {

constexpr QChar kListSeparator = QLatin1Char('|');

// One entry of MicrophoneFloors; the single floor's where it is no finite number.
double floorOf(const QString& entry, double fallback)
{
    bool number = false;
    const double floor = entry.trimmed().toDouble(&number);
    return number && std::isfinite(floor) ? std::round(floor * 10.0) / 10.0 : fallback;
}

}  // namespace

QStringList microphoneListOf(const QString& stored)
{
    if (stored.isEmpty())
        return {};
    QStringList entries = stored.split(kListSeparator);
    if (entries.size() > kMaxMicrophones)
        entries.resize(kMaxMicrophones);
    return entries;
}

QString microphonePlaceOf(const MicrophoneSpot& spot, int index)
{
    if (!spot.place.trimmed().isEmpty())
        return spot.place.trimmed();
    return translated("MicrophoneSettings", QT_TRANSLATE_NOOP("MicrophoneSettings", "Microphone %1"))
        .arg(index + 1);
}

MicrophoneConfig loadMicrophoneConfig(BRAppConfig& config)
{
    MicrophoneConfig loaded;
    loaded.useMicrophone = readSwitch(config, Setting::UseMicrophone);
    loaded.deviceId = readText(config, Setting::MicrophoneDevice);
    loaded.calibration.floorLufs = readDecimal(config, Setting::MicrophoneFloor);
    loaded.calibration.rangeLu = readInteger(config, Setting::MicrophoneRange);
    const QStringList devices = microphoneListOf(readText(config, Setting::MicrophoneDevices));
    const QStringList places = microphoneListOf(readText(config, Setting::MicrophonePlaces));
    const QStringList floors = microphoneListOf(readText(config, Setting::MicrophoneFloors));
    // The places name the microphones of a show whose devices are the files of the command
    // line, so they count even without devices.
    const qsizetype count = std::max({qsizetype(1), devices.size(), places.size()});
    for (qsizetype i = 0; i < count; ++i) {
        MicrophoneSpot spot;
        spot.deviceId = devices.isEmpty() ? loaded.deviceId : devices.value(i).trimmed();
        spot.place = places.value(i).trimmed();
        spot.floorLufs = floorOf(floors.value(i), loaded.calibration.floorLufs);
        loaded.microphones.push_back(spot);
    }
    loaded.deviceId = loaded.microphones.front().deviceId;
    loaded.calibration.floorLufs = loaded.microphones.front().floorLufs;
    return loaded;
}

void storeMicrophones(BRAppConfig& config, const std::vector<MicrophoneSpot>& microphones)
{
    QStringList devices, places, floors;
    for (const MicrophoneSpot& spot : microphones) {
        if (devices.size() == kMaxMicrophones)
            break;
        // The separator cannot be part of an entry.
        devices.append(QString(spot.deviceId).remove(kListSeparator));
        places.append(QString(spot.place).remove(kListSeparator));
        floors.append(QString::number(std::round(spot.floorLufs * 10.0) / 10.0, 'f', 1));
    }
    writeText(config, Setting::MicrophoneDevices, devices.join(kListSeparator));
    writeText(config, Setting::MicrophonePlaces, places.join(kListSeparator));
    writeText(config, Setting::MicrophoneFloors, floors.join(kListSeparator));
}

namespace {

// The first entry of a list the show has, replaced; a show without the list keeps none.
void replaceFirstEntry(BRAppConfig& config, Setting list, const QString& entry)
{
    QStringList entries = microphoneListOf(readText(config, list));
    if (entries.isEmpty())
        return;
    entries[0] = QString(entry).remove(kListSeparator);
    writeText(config, list, entries.join(kListSeparator));
}

}  // namespace

void storeUseMicrophone(BRAppConfig& config, bool useMicrophone)
{
    writeSwitch(config, Setting::UseMicrophone, useMicrophone);
}

void storeMicrophoneDevice(BRAppConfig& config, const QString& deviceId)
{
    writeText(config, Setting::MicrophoneDevice, deviceId);
    replaceFirstEntry(config, Setting::MicrophoneDevices, deviceId);
}

void storeMicrophoneFloor(BRAppConfig& config, double floorLufs)
{
    writeDecimal(config, Setting::MicrophoneFloor, floorLufs);
    replaceFirstEntry(config, Setting::MicrophoneFloors,
                      QString::number(std::round(floorLufs * 10.0) / 10.0, 'f', 1));
}

void storeMicrophoneRange(BRAppConfig& config, int rangeLu)
{
    writeInteger(config, Setting::MicrophoneRange, rangeLu);
}

void storeMicrophoneChoice(BRAppConfig& config, const MicrophoneChoice& choice)
{
    if (choice.deviceId)
        storeMicrophoneDevice(config, *choice.deviceId);
    storeMicrophoneRange(config, choice.rangeLu);
    // A stored length the program could not read stays in the file until another is chosen.
    if (choice.turnSeconds)
        storeTurnSeconds(config, *choice.turnSeconds);
}
