// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/DisplaySettings.h"

#include "core/AppConfig.h"

#include <cmath>
#include <limits>

using brio::BRAppConfig;
using brio::BRString;

namespace {

// Colours are stored as the integer with the same 32 bits.
std::uint32_t readColor(BRAppConfig& config, const char* key, std::uint32_t defaultValue)
{
    return static_cast<std::uint32_t>(readSetting(config, key, static_cast<int>(defaultValue)));
}

void writeColor(BRAppConfig& config, const char* key, std::uint32_t color)
{
    writeSetting(config, key, static_cast<int>(color));
}

}  // namespace

DisplaySettings loadDisplaySettings(BRAppConfig& config)
{
    DisplaySettings settings{};
    settings.fontName =
        config.getRegistryString(kSettingsSection, kFontNameKey, kDefaultFontName, kSettingsHive);
    settings.fontColor = readColor(config, kFontColorKey, kDefaultFontColor);
    settings.fontStyle = readSetting(config, kFontStyleKey, kDefaultFontStyle);
    settings.fontSize = readSetting(config, kFontSizeKey, kDefaultFontSize);
    settings.useLeagueTable = readSetting(config, kUseLeagueTableKey, kDefaultUseLeagueTable) != 0;
    settings.showSummaryScreen =
        readSetting(config, kShowSummaryScreenKey, kDefaultShowSummaryScreen) != 0;
    settings.backgroundColor = readColor(config, kBackgroundColorKey, kDefaultBackgroundColor);
    return settings;
}

void storeFont(BRAppConfig& config, const BRString& face, int sizeTenths, int style,
               std::uint32_t color)
{
    config.setRegistryString(kSettingsSection, kFontNameKey, face, kSettingsHive);
    writeSetting(config, kFontSizeKey, sizeTenths);
    writeSetting(config, kFontStyleKey, style);
    writeColor(config, kFontColorKey, color);
}

void storeUseLeagueTable(BRAppConfig& config, bool useLeagueTable)
{
    writeSetting(config, kUseLeagueTableKey, useLeagueTable ? 1 : 0);
}

void storeShowSummaryScreen(BRAppConfig& config, bool showSummaryScreen)
{
    writeSetting(config, kShowSummaryScreenKey, showSummaryScreen ? 1 : 0);
}

void storeBackgroundColor(BRAppConfig& config, std::uint32_t color)
{
    writeColor(config, kBackgroundColorKey, color);
}

int fontStyleBits(int weight, bool italic, bool underline)
{
    int style = 0;
    if (italic)
        style |= kFontStyleItalic;
    if (weight > kNormalFontWeight)
        style |= kFontStyleBold;
    if (underline)
        style |= kFontStyleUnderline;
    return style;
}

int dialogStartPoints(double size)
{
    // Converting a double outside int's range is undefined, so such sizes are pinned first.
    if (std::isnan(size))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (size <= lowest)
        return std::numeric_limits<int>::min();
    if (size >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(size);
}
