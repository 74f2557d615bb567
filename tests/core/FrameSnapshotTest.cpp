// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Which parts of the display differ between two frames, and what a frame records of the meter.
#include "core/FrameSnapshot.h"
#include "core/MeterCore.h"
#include "core/ScoreReveal.h"

#include "brio/BRStringQt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using layout::Rect;

namespace {

// A 1000 x 600 view beside the league table: the scale runs from 58 (38 plus a 20-pixel
// line) to 562, 504 pixels; rows are 21 pixels apart; the score column is 960 to 1000 and
// names end at 955.
FrameSnapshot measuringFrame()
{
    FrameSnapshot frame;
    frame.view = Rect{0, 0, 1000, 600};
    frame.look = FrameLook{"Arial,12", 0xFF000000, 0xFFFFFFFF,
                           layout::MarkerSizes{{163, 76}, {163, 76}}, layout::TableMetrics{40, 20}};
    frame.state = MeterState::Measuring;
    frame.useLeagueTable = true;
    frame.level = 30;
    frame.peak = 40;
    frame.rows = {{"Anna", 50, false}, {"Ben", 40, true}, {"Cleo", 10, false}};
    return frame;
}

template <typename Change>
FrameSnapshot changed(Change change)
{
    FrameSnapshot frame = measuringFrame();
    change(frame);
    return frame;
}

void type(MeterCore& meter, const std::string& text)
{
    for (char c : text)
        meter.onChar(static_cast<unsigned char>(c));
}

// The Mirror look on the audience's screen with hidden scores: the shown rows first, the
// hidden at the foot with no score, and a hidden turn's markers without their numbers.
TEST(FrameSnapshot, TheAudiencesSnapshotPutsHiddenRowsAtTheFootAndTheirRevealRepaintsThem)
{
    MeterCore meter(true, false);
    meter.restoreEvent({{u"Ana", 80, 0}, {u"Ben", 60, 1}, {u"Cy", 40, 2}}, brio::BRStringArray(), 3);
    meter.onText(u"Dee");
    meter.onChar(MeterCore::kEnter);
    for (int tick = 0; tick < 40; ++tick)
        meter.tick(TickInput{true, true});
    ASSERT_GT(meter.peak(), 0);
    const FrameLook look = measuringFrame().look;
    const Rect view{0, 0, 1000, 600};
    const ScoreReveal reveal{{0, 3}, {}};  // Ana, and Dee measuring
    const FrameSnapshot hidden = snapshotOf(meter, QString(), view, look, false, &reveal);
    std::vector<std::string> names;
    std::vector<bool> hiddenRows;
    for (const ShownRow& row : hidden.rows) {
        names.push_back(brio::toQString(row.name).toStdString());
        hiddenRows.push_back(row.hidden);
        if (row.hidden) {
            EXPECT_EQ(row.score, 0);
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Ben", "Cy", "Ana", "Dee"}));
    EXPECT_EQ(hiddenRows, (std::vector<bool>{false, false, true, true}));
    EXPECT_TRUE(hidden.levelHidden);
    EXPECT_EQ(hidden.peak, 0);
    // The operator's snapshot of the same meter shows everything.
    const FrameSnapshot operatorFrame = snapshotOf(meter, QString(), view, look, true);
    EXPECT_FALSE(operatorFrame.levelHidden);
    EXPECT_EQ(operatorFrame.peak, meter.peak());
    EXPECT_EQ(brio::toQString(operatorFrame.rows[0].name), QStringLiteral("Ana"));
    // Ana revealed: her row and the rows she passes change, the whole view does not (Dee's
    // turn is still hidden).
    const ScoreReveal anaShown{{3}, {}};
    const FrameSnapshot after = snapshotOf(meter, QString(), view, look, false, &anaShown);
    const std::vector<Rect> rects = changedRects(hidden, after);
    ASSERT_FALSE(rects.empty());
    for (const Rect& rect : rects)
        EXPECT_LT(rect.width() * rect.height(), view.width() * view.height() / 4);
}

}  // namespace

TEST(ChangedRects, CoverExactlyWhatMovedOrChanged)
{
    const struct {
        const char* what;
        FrameSnapshot after;
        std::vector<Rect> rects;
    } cases[] = {
        {"nothing", measuringFrame(), {}},
        // Level 30: bottom 600 - 504 * 30 / 100 = 449; level 29: 600 - 146 = 454.
        {"level falls", changed([](FrameSnapshot& f) { f.level = 29; }),
         {{0, 373, 163, 449}, {0, 378, 163, 454}}},
        // The peak marker stands at 363 (163 + 200); peak 40: 399, peak 41: 394. Ben's score
        // (row 1, top 21) follows.
        {"peak and score rise", changed([](FrameSnapshot& f) {
             f.peak = 41;
             f.rows[1].score = 41;
         }),
         {{363, 323, 526, 399}, {363, 318, 526, 394}, {960, 21, 1000, 41}}},
        // Ben passes Anna: both rows change name, score and colour.
        {"re-ranking", changed([](FrameSnapshot& f) {
             f.rows[0] = {"Ben", 51, true};
             f.rows[1] = {"Anna", 50, false};
         }),
         {{960, 0, 1000, 20}, {0, 0, 955, 20}, {960, 21, 1000, 41}, {0, 21, 955, 41}}},
        {"a row is added", changed([](FrameSnapshot& f) { f.rows.push_back({"Dan", 0, false}); }),
         {{960, 63, 1000, 83}, {0, 63, 955, 83}}},
        {"a row is removed", changed([](FrameSnapshot& f) { f.rows.pop_back(); }),
         {{960, 42, 1000, 62}, {0, 42, 955, 62}}},
        // Row 28 starts at 588 and is cut at the view's bottom.
        {"rows at the bottom are cut", changed([](FrameSnapshot& f) {
             f.firstRow = 28;
             f.rows = {{"Zoe", 0, false}};
         }),
         {{960, 0, 1000, 20}, {0, 0, 955, 20}, {960, 21, 1000, 41}, {0, 21, 955, 41},
          {960, 42, 1000, 62}, {0, 42, 955, 62}, {960, 588, 1000, 600}, {0, 588, 955, 600}}},
        {"typing", changed([](FrameSnapshot& f) { f.typedName = "B"; }), {{0, 0, 1000, 20}}},
        {"composing", changed([](FrameSnapshot& f) { f.preedit = QStringLiteral("´"); }),
         {{0, 0, 1000, 20}}},
        {"size", changed([](FrameSnapshot& f) { f.view = Rect{0, 0, 3840, 2160}; }),
         {{0, 0, 3840, 2160}}},
        {"font", changed([](FrameSnapshot& f) { f.look.font = "Arial,14"; }), {{0, 0, 1000, 600}}},
        {"text colour", changed([](FrameSnapshot& f) { f.look.textColor = 0xFF0000FF; }),
         {{0, 0, 1000, 600}}},
        {"background", changed([](FrameSnapshot& f) { f.look.background = 0xFF00FF00; }),
         {{0, 0, 1000, 600}}},
        {"metrics", changed([](FrameSnapshot& f) { f.look.text.rowHeight = 22; }),
         {{0, 0, 1000, 600}}},
        {"state", changed([](FrameSnapshot& f) { f.state = MeterState::Summary; }),
         {{0, 0, 1000, 600}}},
        {"table off", changed([](FrameSnapshot& f) { f.useLeagueTable = false; }),
         {{0, 0, 1000, 600}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(changedRects(measuringFrame(), c.after), c.rects) << c.what;
}

TEST(ChangedRects, FollowTheLayoutOfTheFrame)
{
    // In the summary the score column ends at 500 + 40.
    FrameSnapshot summary = measuringFrame();
    summary.state = MeterState::Summary;
    FrameSnapshot risen = summary;
    risen.rows[2].score = 11;
    EXPECT_EQ(changedRects(summary, risen), (std::vector<Rect>{{500, 42, 540, 62}}));

    // Without the table the group is centred at 237 and the scale spans 38 to 562 (524).
    FrameSnapshot alone = measuringFrame();
    alone.useLeagueTable = false;
    alone.rows.clear();
    FrameSnapshot fallen = alone;
    fallen.level = 0;
    EXPECT_EQ(changedRects(alone, fallen),
              (std::vector<Rect>{{237, 367, 400, 443}, {237, 524, 400, 600}}));

    // A view that does not start at 0: rectangles are cut at its edges.
    FrameSnapshot shifted = measuringFrame();
    shifted.view = Rect{100, 50, 1100, 650};
    FrameSnapshot typed = shifted;
    typed.rows[0].name = "Annabel";
    EXPECT_EQ(changedRects(shifted, typed), (std::vector<Rect>{{100, 50, 1055, 70}}));
}

TEST(FrameSnapshotOf, RecordsOnlyWhatTheDisplayShows)
{
    const Rect view{0, 0, 1000, 600};
    const FrameLook look{"Arial,12", 0, 0, {}, layout::TableMetrics{40, 20}};
    MeterCore meter(true, true);
    type(meter, "Ann");
    FrameSnapshot frame = snapshotOf(meter, QStringLiteral("é"), view, look);
    EXPECT_EQ(frame.typedName, brio::BRString("Ann"));
    EXPECT_EQ(frame.preedit, QStringLiteral("é"));
    EXPECT_TRUE(frame.rows.empty());

    meter.onChar(MeterCore::kEnter);
    for (int i = 0; i < 5; ++i)
        meter.tick(TickInput{true, true});
    frame = snapshotOf(meter, QStringLiteral("é"), view, look);
    EXPECT_EQ(frame.state, MeterState::Measuring);
    EXPECT_EQ(frame.level, 15);
    EXPECT_EQ(frame.peak, 15);
    EXPECT_TRUE(frame.typedName.empty());
    EXPECT_TRUE(frame.preedit.isEmpty());
    EXPECT_EQ(frame.rows, (std::vector<ShownRow>{{"Ann", 15, true}}));

    // The summary shows no meter.
    meter.onChar(MeterCore::kEnter);
    frame = snapshotOf(meter, QString(), view, look);
    EXPECT_EQ(frame.state, MeterState::Summary);
    EXPECT_EQ(frame.level, 0);
    EXPECT_EQ(frame.peak, 0);

    // Without the table no rows and no name line.
    MeterCore alone(false, false);
    alone.tick(TickInput{true, true});
    frame = snapshotOf(alone, QString(), view, look);
    EXPECT_EQ(frame.level, 3);
    EXPECT_TRUE(frame.rows.empty());
}

TEST(FrameSnapshotOf, KeepsOnlyTheRowsInsideTheViewOfALongTable)
{
    MeterCore meter(true, false);
    for (int i = 0; i < 100000; ++i) {
        type(meter, "N" + std::to_string(i));
        meter.onChar(MeterCore::kEnter);
        meter.onChar(MeterCore::kEscape);
    }
    const FrameLook look{"Arial,12", 0, 0, {}, layout::TableMetrics{40, 20}};
    // 600 pixels hold rows 0 to 28, the last one cut (28 * 21 = 588).
    const FrameSnapshot frame = snapshotOf(meter, QString(), Rect{0, 0, 1000, 600}, look);
    EXPECT_EQ(frame.firstRow, 0);
    ASSERT_EQ(frame.rows.size(), 29u);
    EXPECT_EQ(frame.rows.back().name, brio::BRString("N28"));
}
