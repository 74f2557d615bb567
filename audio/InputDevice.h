// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace audio {

// A microphone the system offers, named as the settings store it.
struct InputDevice {
    QString id;           // stored as "MicrophoneDevice"
    QString description;  // what the operator sees
    bool isDefault = false;
};

}  // namespace audio
