// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/InputDevices.h"

#include <QMediaDevices>

namespace audio {

QString deviceId(const QAudioDevice& device)
{
    return QString::fromUtf8(device.id());
}

QList<InputDevice> inputDevices()
{
    QList<InputDevice> devices;
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        devices.append({deviceId(device), device.description(), device.isDefault()});
    return devices;
}

std::optional<QAudioDevice> findInputDevice(const QString& id)
{
    const QList<QAudioDevice> devices = QMediaDevices::audioInputs();
    if (id.isEmpty()) {
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (!device.isNull())
            return device;
        // Some systems name no default while offering microphones.
        if (!devices.isEmpty())
            return devices.first();
        return std::nullopt;
    }
    for (const QAudioDevice& device : devices) {
        if (deviceId(device) == id)
            return device;
    }
    return std::nullopt;
}

}  // namespace audio
