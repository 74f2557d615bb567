// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"

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
