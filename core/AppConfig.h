// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "brio/BRStringQt.h"

#include <QString>

// The program's configuration store. main() makes exactly one, filled with the product values
// (see ProductConfig.h) before the application object, and hands it to whatever needs it.
class AppConfig : public brio::BRAppConfig {
public:
    using brio::BRAppConfig::BRAppConfig;
};

// Every setting of the program lives in the top level of the current user's store.
inline const char kSettingsSection[] = "";
inline constexpr brio::BRRegistryHive kSettingsHive = brio::BRRegistryHive::User;

// An integer setting of the program, or defaultValue when the store holds none.
inline int readSetting(brio::BRAppConfig& config, const char* key, int defaultValue)
{
    return config.getRegistryInteger(kSettingsSection, key, defaultValue, kSettingsHive);
}

inline void writeSetting(brio::BRAppConfig& config, const char* key, int value)
{
    config.setRegistryInteger(kSettingsSection, key, value, kSettingsHive);
}

// A text setting of the program, empty when the store holds none.
inline QString readTextSetting(brio::BRAppConfig& config, const char* key)
{
    return brio::toQString(
        config.getRegistryString(kSettingsSection, key, brio::BRString(), kSettingsHive));
}

inline void writeTextSetting(brio::BRAppConfig& config, const char* key, const QString& value)
{
    config.setRegistryString(kSettingsSection, key, brio::fromQString(value), kSettingsHive);
}
