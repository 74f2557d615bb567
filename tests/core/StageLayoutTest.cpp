// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterCore.h"
#include "core/StageFrame.h"
#include "core/StageLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using layout::Rect;

// A table of the scores given, best first, and Zed's turn begun below them at 0.
void fill(MeterCore& meter, const std::vector<int>& scores)
{
    std::vector<Score> entries;
    for (std::size_t index = 0; index < scores.size(); ++index)
        entries.push_back(Score{std::string(1, static_cast<char>('A' + index % 26)).c_str(),
                                scores[index], static_cast<std::int64_t>(index)});
    meter.restoreEvent(entries, brio::BRStringArray(), static_cast<std::int64_t>(scores.size()));
    meter.onText("Zed");
    meter.onChar(MeterCore::kEnter);
}

struct Case {
    const char* name;
    Rect view;
    std::vector<int> scores;  // best first; the last is the current contestant, at 0
    std::vector<int> indices;  // the table rows shown, slot by slot
    std::vector<int> ranks;    // as written (0: shared with the row above, not written)
    int gapSlot;
};

class StageTable : public testing::TestWithParam<Case> {};

TEST_P(StageTable, ShowsTheTopRowsTheCurrentRowAndRanksOncePerScore)
{
    const Case& c = GetParam();
    MeterCore meter(true, true);
    fill(meter, c.scores);
    const StageFrame frame = stageFrameOf(meter, c.view, StageLook{}, StageMoment{});
    std::vector<int> ranks;
    for (const StageRow& row : frame.rows)
        ranks.push_back(row.rank);
    EXPECT_EQ(ranks, c.ranks);
    ASSERT_EQ(frame.rows.size(), c.indices.size());
    for (std::size_t slot = 0; slot < frame.rows.size(); ++slot)
        EXPECT_EQ(frame.rows[slot].current, c.indices[slot] == meter.currentIndex()) << slot;
    EXPECT_EQ(frame.gapSlot, c.gapSlot);
    // Ten rows fit the screen's height whatever its size, inside the view.
    const stage::Layout layout = stageLayoutOf(frame);
    const Rect last = stage::slotRect(layout, stage::kRowsInView - 1);
    EXPECT_LE(last.bottom, c.view.bottom);
    EXPECT_GT(layout.pitch * stage::kRowsInView, c.view.height() * 3 / 5);
    EXPECT_EQ(stage::typeSizes(c.view).row, layout.pitch * 3 / 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StageTable,
    testing::Values(
        Case{"Projector", Rect{0, 0, 1280, 720}, {90, 89, 89, 89, 10}, {0, 1, 2, 3, 4, 5},
             {1, 2, 0, 0, 5, 6}, -1},
        Case{"FullHdTiesAtTheTop", Rect{0, 0, 1920, 1080}, {50, 50}, {0, 1, 2}, {1, 0, 3}, -1},
        Case{"TenFitExactly", Rect{0, 0, 1920, 1080}, {9, 8, 7, 6, 5, 4, 3, 2, 1},
             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, -1},
        // The current row below the fold stands under a gap, its rank written though the
        // row above the gap shares its score.
        Case{"CurrentBelowTheFold", Rect{0, 0, 3840, 2160},
             {9, 8, 7, 6, 5, 4, 3, 2, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 5, 6, 7, 12},
             {1, 2, 3, 4, 5, 6, 7, 8, 9}, 8},
        // One row more than fit: the current row, just below the fold, still takes the
        // last slot under the gap.
        Case{"CurrentJustBelowTheFold", Rect{0, 0, 1920, 1080}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 1},
             {0, 1, 2, 3, 4, 5, 6, 7, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 11}, 8},
        Case{"TinyWindow", Rect{10, 20, 330, 220}, {}, {0}, {1}, -1}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(StageLayout, LongNamesGetWhatTheRankAndScoreLeaveAndTheLogoKeepsItsProportions)
{
    const stage::Layout layout = stage::stageLayout(
        stage::LayoutInput{Rect{0, 0, 1920, 1080}, {100, 120, 150}, {400, 200}, true});
    const Rect name = stage::nameRect(layout, 3);
    EXPECT_GE(name.left, stage::rankRect(layout, 3).right);
    EXPECT_LE(name.right, stage::scoreRect(layout, 3).left);
    EXPECT_EQ(layout.logo.width(), 2 * layout.logo.height());
    EXPECT_LE(layout.logo.right, layout.title.left);
    EXPECT_LE(layout.title.right, layout.countdown.left);
}

TEST(StageFrame, OnlyTheChangedCellsAndTheLevelsSpanRepaintAndARestingFrameNothing)
{
    MeterCore meter(true, true);
    fill(meter, {40, 30});
    const Rect view{0, 0, 1920, 1080};
    const StageLook look{QStringLiteral("f"), {}, {100, 120, 150}, {}, {}};
    StageFrame before = stageFrameOf(meter, view, look, {});
    for (int tick = 0; tick < 10; ++tick)
        meter.tick(TickInput{true, true});
    const StageFrame after = stageFrameOf(meter, view, look, {});
    EXPECT_TRUE(changedStageRects(after, after).empty());
    long pixels = 0;
    for (const Rect& rect : changedStageRects(before, after))
        pixels += static_cast<long>(rect.width()) * rect.height();
    EXPECT_GT(pixels, 0);
    EXPECT_LT(pixels, view.width() * view.height() / 10);
    // Taking the lead over others is a lead; so is sharing it, never a score of 0.
    EXPECT_FALSE(currentLeads(meter));
    for (int tick = 0; tick < 200 && !currentLeads(meter); ++tick)
        meter.tick(TickInput{true, true});
    EXPECT_TRUE(currentLeads(meter));
    EXPECT_GE(meter.peak(), 40);
}

TEST(StagePalette, BothThemesReadAtSevenToOneAndTakeStoredColoursThatSuitThem)
{
    for (const StageTheme theme : {StageTheme::Dark, StageTheme::Light}) {
        const StagePalette palette = stagePalette(theme, 0x000000, 0xFFFFFF);
        EXPECT_GE(contrastRatio(palette.text, palette.background), kStageContrast);
        EXPECT_GE(contrastRatio(palette.current, palette.background), kStageContrast);
        EXPECT_GE(contrastRatio(palette.leaderText, palette.leaderBand), kStageContrast);
    }
    // The defaults (black on white) suit the light theme; the dark keeps its own.
    EXPECT_EQ(stagePalette(StageTheme::Light, 0x000000, 0xFFFFFF).background, 0xFFFFFFu);
    EXPECT_NE(stagePalette(StageTheme::Dark, 0x000000, 0xFFFFFF).text, 0x000000u);
    EXPECT_EQ(stagePalette(StageTheme::Dark, 0xFFFF00, 0x000000).text, 0xFFFF00u);
    EXPECT_DOUBLE_EQ(contrastRatio(0x000000, 0xFFFFFF), 21.0);
}

}  // namespace
