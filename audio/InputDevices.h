// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/InputDevice.h"

#include <QAudioDevice>
#include <QList>
#include <QString>

#include <optional>

// The microphones the system offers, named as the settings store them.
namespace audio {

QList<InputDevice> inputDevices();

// The device with this id, or the system's default for an empty id; none when absent.
std::optional<QAudioDevice> findInputDevice(const QString& id);

QString deviceId(const QAudioDevice& device);

}  // namespace audio
