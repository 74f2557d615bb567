// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AudienceScreen.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace {

using Kind = AudiencePlacement::Kind;

const ScreenInfo kLaptop{"eDP-1", {0, 0, 1600, 1000}};
const ScreenInfo kProjector{"HDMI-1", {1600, 0, 1280, 720}};
const ScreenInfo kBigTv{"DP-2", {2880, 0, 3840, 2160}};

struct Case {
    const char* what;
    std::vector<ScreenInfo> screens;
    WindowRect operatorWindow;
    QString storedName;
    AudiencePlacement expected;
};

// Test names carry the case rather than its bytes.
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.what;
}

class AudienceScreenChoice : public testing::TestWithParam<Case> {};

TEST_P(AudienceScreenChoice, PicksTheScreen)
{
    const Case& c = GetParam();
    EXPECT_EQ(chooseAudienceScreen(c.screens, c.operatorWindow, c.storedName), c.expected)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, AudienceScreenChoice,
    testing::Values(
        Case{"no screen at all", {}, {0, 0, 800, 600}, "", {Kind::OrdinaryWindow, -1}},
        Case{"a single screen gives an ordinary window", {kLaptop}, {100, 100, 800, 600}, "",
             {Kind::OrdinaryWindow, 0}},
        Case{"the single screen even when it is the stored one", {kLaptop}, {100, 100, 800, 600},
             "eDP-1", {Kind::OrdinaryWindow, 0}},
        Case{"the other screen", {kLaptop, kProjector}, {100, 100, 800, 600}, "",
             {Kind::FullScreen, 1}},
        Case{"the operator on the second screen", {kLaptop, kProjector}, {1700, 50, 800, 600}, "",
             {Kind::FullScreen, 0}},
        Case{"the largest free screen", {kLaptop, kProjector, kBigTv}, {100, 100, 800, 600}, "",
             {Kind::FullScreen, 2}},
        Case{"the stored screen wins over the largest", {kLaptop, kProjector, kBigTv},
             {100, 100, 800, 600}, "HDMI-1", {Kind::FullScreen, 1}},
        Case{"a stored screen that is gone falls back to the largest",
             {kLaptop, kProjector, kBigTv}, {100, 100, 800, 600}, "VGA-9", {Kind::FullScreen, 2}},
        Case{"a stored screen that now holds the operator is not used",
             {kLaptop, kProjector, kBigTv}, {3000, 100, 800, 600}, "DP-2", {Kind::FullScreen, 0}},
        Case{"a window across two screens belongs to the one it covers most",
             {kLaptop, kProjector}, {1200, 0, 1000, 600}, "", {Kind::FullScreen, 0}},
        Case{"a window off every screen counts as on the first", {kLaptop, kProjector},
             {-5000, -5000, 100, 100}, "", {Kind::FullScreen, 1}},
        Case{"equal screens: the first free one", {kLaptop, kProjector, {"HDMI-2", {2880, 0, 1280, 720}}},
             {0, 0, 800, 600}, "", {Kind::FullScreen, 1}}),
    [](const testing::TestParamInfo<Case>& info) { return std::to_string(info.index); });

}  // namespace
