// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StagePalette.h"

#include <cmath>

namespace {

// A dark hall wants a background no lighter than this; a light theme one no darker.
constexpr double kDarkestLight = 0.6;
constexpr double kLightestDark = 0.03;

constexpr StagePalette kDark{0x10131C, 0xF2F2F2, 0xFFD54A, 0x1B3A8C, 0xFFFFFF,
                             0x3A4152, 0x3DBE6E, 0x3D7FE0, 0xF0463C};
constexpr StagePalette kLight{0xFAFAF5, 0x121212, 0x0B2B8C, 0xFFE27A, 0x121212,
                              0xC9CCD3, 0x2E9E58, 0x1F5FBF, 0xD83A2E};

double channel(std::uint32_t value)
{
    const double c = static_cast<double>(value & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(std::uint32_t rgb)
{
    return 0.2126 * channel(rgb >> 16) + 0.7152 * channel(rgb >> 8) + 0.0722 * channel(rgb);
}

}  // namespace

double contrastRatio(std::uint32_t first, std::uint32_t second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

StagePalette stagePalette(StageTheme theme, std::uint32_t storedText,
                          std::uint32_t storedBackground)
{
    StagePalette palette = theme == StageTheme::Dark ? kDark : kLight;
    const std::uint32_t background = storedBackground & 0xFFFFFF;
    const double light = luminance(background);
    const bool suits = theme == StageTheme::Dark ? light <= kLightestDark : light >= kDarkestLight;
    // The row colours are the theme's, so they must read on the stored background too.
    if (suits && contrastRatio(palette.current, background) >= kStageContrast)
        palette.background = background;
    const std::uint32_t text = storedText & 0xFFFFFF;
    if (contrastRatio(text, palette.background) >= kStageContrast)
        palette.text = text;
    return palette;
}
