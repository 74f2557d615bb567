// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/DisplaySettings.h"

#include "brio/BRStringQt.h"
#include "core/settings/SettingsAccess.h"

#include <cmath>
#include <limits>

using brio::BRAppConfig;
using brio::BRString;

namespace {

// Colours are stored as the integer with the same 32 bits.
std::uint32_t readColor(BRAppConfig& config, Setting setting)
{
    return static_cast<std::uint32_t>(readInteger(config, setting));
}

void writeColor(BRAppConfig& config, Setting setting, std::uint32_t color)
{
    writeInteger(config, setting, static_cast<int>(color));
}

}  // namespace

DisplaySettings loadDisplaySettings(BRAppConfig& config)
{
    DisplaySettings settings{};
    settings.fontName = brio::fromQString(readText(config, Setting::FontName));
    settings.fontColor = readColor(config, Setting::FontColor);
    settings.fontStyle = readInteger(config, Setting::FontStyle);
    settings.fontSize = readInteger(config, Setting::FontSize);
    settings.useLeagueTable = readSwitch(config, Setting::UseLeagueTable);
    settings.showSummaryScreen = readSwitch(config, Setting::ShowSummaryScreen);
    settings.backgroundColor = readColor(config, Setting::BackgroundColor);
    return settings;
}

void storeFont(BRAppConfig& config, const BRString& face, int sizeTenths, int style,
               std::uint32_t color)
{
    writeText(config, Setting::FontName, brio::toQString(face));
    writeInteger(config, Setting::FontSize, sizeTenths);
    writeInteger(config, Setting::FontStyle, style);
    writeColor(config, Setting::FontColor, color);
}

void storeUseLeagueTable(BRAppConfig& config, bool useLeagueTable)
{
    writeSwitch(config, Setting::UseLeagueTable, useLeagueTable);
}

void storeShowSummaryScreen(BRAppConfig& config, bool showSummaryScreen)
{
    writeSwitch(config, Setting::ShowSummaryScreen, showSummaryScreen);
}

void storeBackgroundColor(BRAppConfig& config, std::uint32_t color)
{
    writeColor(config, Setting::BackgroundColor, color);
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
