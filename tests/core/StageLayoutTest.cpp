// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterCore.h"
#include "core/StageFrame.h"
#include "core/StageLayout.h"

#include "brio/BRStringQt.h"

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

struct SlotCase {
    int count;
    int current;
    int capacity;
    std::vector<int> indices;  // the rows shown, slot by slot
    int gapSlot;
};

class SlotPlans : public testing::TestWithParam<SlotCase> {};

// The current row is always on the screen, also exactly one below the fold.
TEST_P(SlotPlans, TheCurrentRowIsAlwaysShown)
{
    const SlotCase& c = GetParam();
    const stage::SlotPlan plan = stage::planSlots(c.count, c.current, c.capacity);
    std::vector<int> indices;
    for (const stage::ShownSlot& shown : plan.rows) {
        indices.push_back(shown.index);
        EXPECT_LT(shown.slot, c.capacity);
    }
    EXPECT_EQ(indices, c.indices);
    EXPECT_EQ(plan.gapSlot, c.gapSlot);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlotPlans,
    testing::Values(SlotCase{11, 9, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, -1},
                    SlotCase{11, 10, 10, {0, 1, 2, 3, 4, 5, 6, 7, 10}, 8},
                    SlotCase{11, 10, 6, {0, 1, 2, 3, 10}, 4},
                    SlotCase{30, 29, 10, {0, 1, 2, 3, 4, 5, 6, 7, 29}, 8},
                    SlotCase{5, -1, 10, {0, 1, 2, 3, 4}, -1}));

TEST(StageFrame, HiddenRowsWaitAtTheFootWithoutRankOrScoreAndTheirTurnShowsNoNumber)
{
    MeterCore meter(true, true);
    fill(meter, {40, 30});  // A 40, B 30, and Zed's turn at 0
    const Rect view{0, 0, 1280, 720};
    StageMoment moment;
    moment.newLeader = true;
    moment.reveal.hidden = {0, 2};  // A, and Zed measuring
    for (int tick = 0; tick < 60; ++tick)
        meter.tick(TickInput{true, true});
    ASSERT_GT(meter.peak(), 40);
    const StageFrame frame = stageFrameOf(meter, view, StageLook{}, moment);
    std::vector<std::string> names;
    for (const StageRow& row : frame.rows) {
        names.emplace_back(brio::toQString(row.name).toStdString());
        EXPECT_EQ(row.hidden, row.rank == 0);
        if (row.hidden) {
            EXPECT_EQ(row.score, 0);
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"B", "A", "Zed"}));
    EXPECT_EQ(frame.rows[0].rank, 3);  // below both hidden, whatever Zed's peak
    EXPECT_TRUE(frame.levelHidden);
    EXPECT_EQ(frame.peak, 0);          // no mark tells the score
    EXPECT_FALSE(frame.newLeader);     // nor a lead
    EXPECT_GT(frame.level, 0);         // the level moves
    // Revealed, the same turn shows its peak and its row climbs.
    const StageFrame shown = stageFrameOf(meter, view, StageLook{}, StageMoment{});
    EXPECT_FALSE(shown.levelHidden);
    EXPECT_EQ(shown.peak, meter.peak());
    EXPECT_TRUE(shown.rows[0].current);
}

TEST(StageFrame, AGlideRepaintsOnlyTheSlotsItCrossesAndTheConfettiEndsOnItsOwn)
{
    MeterCore meter(true, true);
    fill(meter, {90, 80, 70, 60, 50, 40});  // Zed's turn in slot 6
    const Rect view{0, 0, 1280, 720};
    const StageLook look{QStringLiteral("f"), {}, {60, 70, 90}, {}, {}};
    for (int tick = 0; tick < 400 && meter.peak() <= 75; ++tick)
        meter.tick(TickInput{true, true});
    ASSERT_GT(meter.peak(), 75);
    ASSERT_LT(meter.peak(), 80);  // now third: it overtook 70, 60, 50 and 40
    StageMoment moment;
    moment.glideFrom = 6;
    StageFrame before;
    for (int progress = 0; progress <= stage::kGlideSteps; progress += 250) {
        moment.glideProgress = progress;
        const StageFrame frame = stageFrameOf(meter, view, look, moment);
        ASSERT_EQ(currentSlot(frame), 2);
        EXPECT_EQ(frame.glide.has_value(), progress < stage::kGlideSteps);
        if (progress > 0) {
            const stage::Layout layout = stageLayoutOf(frame);
            const Rect span = stage::glideSpan(layout, 2, 6);
            EXPECT_EQ(span.top, stage::slotRect(layout, 2).top);
            EXPECT_EQ(span.bottom, stage::slotRect(layout, 6).bottom);
            const std::vector<Rect> changed = changedStageRects(before, frame);
            ASSERT_FALSE(changed.empty()) << progress;
            for (const Rect& rect : changed) {
                EXPECT_GE(rect.top, span.top) << progress;
                EXPECT_LE(rect.bottom, span.bottom) << progress;
            }
            // The gliding row moves from its old slot towards the new one, inside the span.
            if (frame.glide) {
                const Rect at = stage::glidingRowRect(layout, 6, 2, progress);
                EXPECT_GE(at.top, span.top);
                EXPECT_LE(at.bottom, span.bottom);
                EXPECT_LT(at.top, stage::glidingRowRect(layout, 6, 2, progress - 250).top);
            }
        }
        before = frame;
    }
    // The confetti: pieces inside the view while it falls, none from its end on.
    EXPECT_FALSE(stage::confettiAt(view, 1000).empty());
    for (const stage::ConfettiPiece& piece : stage::confettiAt(view, 1000)) {
        EXPECT_GT(piece.rect.bottom, view.top);
        EXPECT_LT(piece.rect.top, view.bottom);
    }
    EXPECT_NE(stage::confettiAt(view, 1000), stage::confettiAt(view, 1016));
    EXPECT_TRUE(stage::confettiAt(view, stage::kConfettiMilliseconds).empty());
    EXPECT_TRUE(stage::confettiAt(view, -1).empty());
}

// Few contestants fill the hall's screen with large rows; many get the usual ten a screen,
// and the meter's column keeps its look either way.
TEST(StageLayout, AFewRowsFillTheScreenAndTheColumnKeepsItsLook)
{
    struct RowsCase {
        int tableRows;       // with Zed's row
        int paired;          // the last two hidden standing side by side, or none
        bool winners;
        int slotCount;
    };
    const RowsCase cases[] = {{3, 0, false, 4}, {7, 0, false, 7}, {12, 0, false, 10},
                              {6, 2, false, 8}, {3, 0, true, 10}};
    for (const RowsCase& c : cases) {
        MeterCore meter(true, true);
        fill(meter, std::vector<int>(static_cast<std::size_t>(c.tableRows - 1), 50));
        ScoreReveal reveal;
        for (int order = 0; order < c.paired; ++order)
            reveal.pair.push_back(order);
        EXPECT_EQ(stageRowsOf(meter, reveal, c.winners), c.slotCount) << c.tableRows;
    }
    const Rect view{0, 0, 1280, 720};
    MeterCore meter(true, true);
    fill(meter, {90, 60});
    StageLook few;
    few.rows = stageRowsOf(meter, ScoreReveal{}, false);
    const stage::Layout large = stageLayoutOf(stageFrameOf(meter, view, few, StageMoment{}));
    const stage::Layout usual = stageLayoutOf(stageFrameOf(meter, view, StageLook{}, StageMoment{}));
    // Three rows reach past three quarters of the screen, not 40 % of it.
    EXPECT_GT(stage::slotRect(large, 2).bottom, view.height() * 3 / 4);
    EXPECT_LE(stage::slotRect(large, few.rows - 1).bottom, view.bottom);
    EXPECT_GT(stage::typeSizes(view, few.rows).row, 2 * stage::typeSizes(view).row);
    EXPECT_EQ(large.leaderLine, usual.leaderLine);
    EXPECT_EQ(large.track, usual.track);
}

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

TEST(StageLayout, TheJurysFiguresStandBelowTheTrackAndTheAwardsBelowThePodium)
{
    struct ViewCase {
        Rect view;
        bool tableInUse;
    };
    const ViewCase cases[] = {{Rect{0, 0, 1280, 720}, true},
                              {Rect{0, 0, 1920, 1080}, false},
                              {Rect{100, 50, 740, 530}, true}};
    for (const ViewCase& c : cases) {
        stage::LayoutInput input{c.view, {60, 80, 90}, {}, c.tableInUse};
        const stage::Layout plain = stage::stageLayout(input);
        input.jury = true;
        const stage::Layout withJury = stage::stageLayout(input);
        EXPECT_LT(withJury.track.bottom, plain.track.bottom) << c.view.width();
        EXPECT_EQ(withJury.track.top, plain.track.top);
        Rect above{withJury.column.left, 0, withJury.column.right, withJury.track.bottom};
        for (int figure = 0; figure < stage::kJuryFigures; ++figure) {
            const Rect line = stage::juryFigureRect(withJury, figure);
            EXPECT_GE(line.top, above.bottom) << figure;
            EXPECT_EQ(line.left, withJury.column.left);
            EXPECT_EQ(line.right, withJury.column.right);
            EXPECT_GT(line.height(), 0);
            above = line;
        }
        EXPECT_EQ(above.bottom, withJury.column.bottom);

        const stage::Podium podium = stage::podiumLayout(withJury);
        const Rect judges = stage::awardRect(withJury, 0);
        const Rect people = stage::awardRect(withJury, 1);
        EXPECT_EQ(judges.right, people.left);
        EXPECT_GT(judges.height(), 0);
        EXPECT_LE(people.right, c.view.right);
        for (const stage::PodiumPlace& place : podium.places)
            EXPECT_LE(place.block.bottom, judges.top);
        EXPECT_EQ(stage::podiumLayout(plain).places[0].block.bottom, plain.column.bottom);
    }
}

TEST(StageFrame, WithTheJuryRowsShowResultsAndThePodiumTheThreeAwards)
{
    MeterCore meter(true, true);
    fill(meter, {90, 70, 40});  // A, B, C, and Zed measuring at 0
    const jury::Weights weights{50, 50};
    const auto marked = [&](std::int64_t points) {
        return jury::JuryStanding{weights, 10 * jury::kPoint, jury::JuryMark{points * jury::kPoint, 1}};
    };
    // Results: A 90 and 4 gives 65.0, B 70 and 8 gives 75.0, C 40 and 10 gives 70.0.
    meter.setJury(jury::JuryStanding{weights, 10 * jury::kPoint, {}},
                  {{0, marked(4)}, {1, marked(8)}, {2, marked(10)}});
    StageMoment moment;
    moment.pending = {3};
    const StageFrame frame = stageFrameOf(meter, Rect{0, 0, 1280, 720}, StageLook{}, moment);
    ASSERT_EQ(frame.rows.size(), 4u);
    const char* names[] = {"B", "C", "A", "Zed"};
    const int tenths[] = {750, 700, 650, 0};
    for (std::size_t row = 0; row < frame.rows.size(); ++row) {
        EXPECT_EQ(brio::toQString(frame.rows[row].name), QString::fromLatin1(names[row]));
        ASSERT_TRUE(frame.rows[row].result.has_value());
        EXPECT_EQ(frame.rows[row].result->tenths, tenths[row]);
        EXPECT_EQ(frame.rows[row].pending, row == 3);
    }
    ASSERT_TRUE(frame.juryFigures.has_value());
    EXPECT_TRUE(frame.juryFigures->pending);
    EXPECT_FALSE(frame.juryFigures->jury.has_value());
    EXPECT_EQ(frame.juryFigures->weights, weights);

    moment.winners = true;
    const StageFrame podium = stageFrameOf(meter, Rect{0, 0, 1280, 720}, StageLook{}, moment);
    ASSERT_EQ(podium.podium.size(), 3u);
    EXPECT_EQ(brio::toQString(podium.podium[0].names.at(0)), QStringLiteral("B"));
    EXPECT_EQ(podium.podium[0].result, ranking::Result{750});
    ASSERT_EQ(podium.awards.size(), 2u);
    EXPECT_EQ(brio::toQString(podium.awards[0].names.at(0)), QStringLiteral("C"));
    EXPECT_EQ(podium.awards[0].figure, QStringLiteral("10"));
    EXPECT_EQ(brio::toQString(podium.awards[1].names.at(0)), QStringLiteral("A"));
    EXPECT_EQ(podium.awards[1].figure, QStringLiteral("90"));
    // The last two side by side: the revealed runner-up's result, the winner's none yet.
    StageMoment reveal;
    reveal.reveal = ScoreReveal{{2}, {1, 2}};
    const StageFrame pair = stageFrameOf(meter, Rect{0, 0, 1280, 720}, StageLook{}, reveal);
    ASSERT_EQ(pair.pair.size(), 2u);
    EXPECT_EQ(pair.pair[0].result, ranking::Result{750});
    EXPECT_TRUE(pair.pair[1].hidden);
    EXPECT_FALSE(pair.pair[1].result.has_value());
    EXPECT_EQ(pointsText(725), QStringLiteral("7.25"));
    EXPECT_EQ(pointsText(750), QStringLiteral("7.5"));
    EXPECT_EQ(resultText(ranking::Result{775}), QStringLiteral("77.5"));
}
