// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "brio/BRString.h"

#include <string>
#include <vector>

namespace ovatron::test {

// A real store that also notes, in order, every setting name read or written through it.
class RecordingConfig : public brio::BRAppConfig {
public:
    explicit RecordingConfig(const brio::BRString& appDirectory = brio::BRString())
        : BRAppConfig(appDirectory)
    {
        init("Ovatron");
    }

    std::vector<std::string> reads;
    std::vector<std::string> writes;

    int getRegistryInteger(const brio::BRString& section, const brio::BRString& name,
                           int defaultValue, brio::BRRegistryHive hive) override
    {
        noteCall(reads, section, name, hive);
        return BRAppConfig::getRegistryInteger(section, name, defaultValue, hive);
    }

    void setRegistryInteger(const brio::BRString& section, const brio::BRString& name, int value,
                            brio::BRRegistryHive hive) override
    {
        noteCall(writes, section, name, hive);
        BRAppConfig::setRegistryInteger(section, name, value, hive);
    }

    brio::BRString getRegistryString(const brio::BRString& section, const brio::BRString& name,
                                     const brio::BRString& defaultValue,
                                     brio::BRRegistryHive hive) override
    {
        noteCall(reads, section, name, hive);
        return BRAppConfig::getRegistryString(section, name, defaultValue, hive);
    }

    void setRegistryString(const brio::BRString& section, const brio::BRString& name,
                           const brio::BRString& value, brio::BRRegistryHive hive) override
    {
        noteCall(writes, section, name, hive);
        BRAppConfig::setRegistryString(section, name, value, hive);
    }

private:
    // Anything but the top-level section of the user's hive is noted so that it shows up
    // in a comparison of names.
    static void noteCall(std::vector<std::string>& calls, const brio::BRString& section,
                         const brio::BRString& name, brio::BRRegistryHive hive)
    {
        std::string entry = name.toUtf8();
        if (!section.empty())
            entry = section.toUtf8() + "/" + entry;
        if (hive != brio::BRRegistryHive::User)
            entry += " (hive " + std::to_string(static_cast<int>(hive)) + ")";
        calls.push_back(entry);
    }
};

}  // namespace ovatron::test
