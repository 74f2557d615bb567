// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/StageSettings.h"

#include <cstdint>

// The Stage look's colours, each 0xRRGGBB. Every text colour reads at least kStageContrast:1
// against what it is drawn on, for a projector in a dark hall (WCAG AAA).
struct StagePalette {
    std::uint32_t background = 0;
    std::uint32_t text = 0;
    std::uint32_t current = 0;         // the current contestant's row
    std::uint32_t leaderBand = 0;      // behind a new leader's row and its line
    std::uint32_t leaderText = 0;
    std::uint32_t track = 0;           // the meter's empty bar, the gap mark, the podium
    std::uint32_t fill = 0;            // the meter's level, halfway up
    std::uint32_t fillCool = 0;        // at the foot of the track
    std::uint32_t fillHot = 0;         // at its top
    friend bool operator==(const StagePalette&, const StagePalette&) = default;
};

inline constexpr double kStageContrast = 7.0;

// WCAG contrast of two 0xRRGGBB colours, from 1 (alike) to 21 (black on white).
double contrastRatio(std::uint32_t first, std::uint32_t second);

// The theme's colours, taking the stored text and background colours (0xRRGGBB) where they
// suit the theme: a background as dark (or light) as the theme's, and a text that reads on
// it. Otherwise the theme's own.
StagePalette stagePalette(StageTheme theme, std::uint32_t storedText,
                          std::uint32_t storedBackground);
