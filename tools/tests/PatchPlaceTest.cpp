// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PatchPlace.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct WindowCase {
    const char* name;
    QSize window;
};

void PrintTo(const WindowCase& param, std::ostream* out)
{
    *out << param.name;
}

class PatchPlaceTest : public testing::TestWithParam<WindowCase> {};

// Over more frames than there are places: the walk goes down one step a frame, turns back
// to the top only from within one step of the bottom, and never leaves the window.
TEST_P(PatchPlaceTest, StaysInsideAndMovesOneStepAFrame)
{
    const QSize window = GetParam().window;
    const QRect inside(QPoint(0, 0), window);
    int wraps = 0;
    for (quint64 frame = 0; frame < 1000; ++frame) {
        const QRect now = patchPlace(frame, window);
        const QRect next = patchPlace(frame + 1, window);
        ASSERT_TRUE(inside.contains(now)) << frame;
        EXPECT_EQ(now.size(), kPatchSize);
        if (next.top() < now.top()) {
            ++wraps;
            EXPECT_EQ(next.top(), 0) << frame;
            EXPECT_GT(now.bottom() + kPatchStep, inside.bottom()) << frame;
        } else {
            EXPECT_EQ(next.top() - now.top(), kPatchStep) << frame;
        }
    }
    EXPECT_GT(wraps, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, PatchPlaceTest,
    testing::Values(WindowCase{"Laptop", QSize(1600, 1000)}, WindowCase{"FourK", QSize(3840, 2160)},
        WindowCase{"TwoPlaces", QSize(300, 69)}),
    [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

TEST(PatchPlace, AWindowSmallerThanThePatchIsRepaintedWhole)
{
    EXPECT_EQ(patchPlace(7, QSize(200, 400)), QRect(0, 0, 200, 400));
    EXPECT_EQ(patchPlace(7, QSize(400, 50)), QRect(0, 0, 400, 50));
}

TEST(PatchPlace, AWindowWithRoomForOnePlaceKeepsThePatchThere)
{
    for (quint64 frame : {0, 1, 2, 99})
        EXPECT_EQ(patchPlace(frame, QSize(300, 60 + kPatchStep - 1)), QRect(30, 0, 240, 60));
}

}  // namespace
