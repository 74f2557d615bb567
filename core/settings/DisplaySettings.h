// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "brio/BRString.h"
#include "core/FontUnits.h"
#include "core/settings/SettingsDeclaration.h"

#include <cstdint>

// The meter view's seven display settings: their keys in the store and their defaults.
inline constexpr const char* kFontNameKey = settingKey(Setting::FontName);
inline constexpr const char* kFontSizeKey = settingKey(Setting::FontSize);
inline constexpr const char* kFontStyleKey = settingKey(Setting::FontStyle);
inline constexpr const char* kFontColorKey = settingKey(Setting::FontColor);
inline constexpr const char* kUseLeagueTableKey = settingKey(Setting::UseLeagueTable);
inline constexpr const char* kShowSummaryScreenKey = settingKey(Setting::ShowSummaryScreen);
inline constexpr const char* kBackgroundColorKey = settingKey(Setting::BackgroundColor);

inline constexpr const char* kDefaultFontName = declarationOf(Setting::FontName).defaultText;
inline constexpr int kDefaultFontSize = declarationOf(Setting::FontSize).defaultNumber;
inline constexpr int kDefaultFontStyle = declarationOf(Setting::FontStyle).defaultNumber;
inline constexpr std::uint32_t kDefaultFontColor =
    static_cast<std::uint32_t>(declarationOf(Setting::FontColor).defaultNumber);
inline constexpr int kDefaultUseLeagueTable = declarationOf(Setting::UseLeagueTable).defaultNumber;
inline constexpr int kDefaultShowSummaryScreen =
    declarationOf(Setting::ShowSummaryScreen).defaultNumber;
inline constexpr std::uint32_t kDefaultBackgroundColor =
    static_cast<std::uint32_t>(declarationOf(Setting::BackgroundColor).defaultNumber);

// Font weights above this one count as bold.
inline constexpr int kNormalFontWeight = 400;

// The settings as stored, taken as they are: nothing read is validated or clamped. Colours
// are 0x00BBGGRR, as the store keeps them.
struct DisplaySettings {
    brio::BRString fontName;
    int fontSize;  // tenths of a point
    int fontStyle;
    std::uint32_t fontColor;
    bool useLeagueTable;     // stored as 0 off, any other value on
    bool showSummaryScreen;
    std::uint32_t backgroundColor;
};

// Reads the seven settings, each with its default when the store holds none.
DisplaySettings loadDisplaySettings(brio::BRAppConfig& config);

// Stores a confirmed font choice: face name, size in tenths of a point, style bits, colour.
void storeFont(brio::BRAppConfig& config, const brio::BRString& face, int sizeTenths, int style,
               std::uint32_t color);
void storeUseLeagueTable(brio::BRAppConfig& config, bool useLeagueTable);
void storeShowSummaryScreen(brio::BRAppConfig& config, bool showSummaryScreen);
void storeBackgroundColor(brio::BRAppConfig& config, std::uint32_t color);

// The style bits of a chosen font; strike-out and every other attribute are not kept.
int fontStyleBits(int weight, bool italic, bool underline);
// The whole points at which the font dialog starts for a font of this size (10.5 gives 10).
int dialogStartPoints(double size);
