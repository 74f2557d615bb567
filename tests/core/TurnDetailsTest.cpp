// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Which row Turn Details shows and with which curves, when its command is enabled, the level
// a curve is marked at, where a curve's points go in a plot, and how long each microphone of
// a turn heard.
#include "core/MenuRules.h"
#include "core/MeterCore.h"
#include "core/TurnDetails.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};
constexpr TickInput kSpaceUp{.listening = true, .spaceDown = false};

void start(MeterCore& meter, const char16_t* name)
{
    meter.onText(name);
    meter.onChar(MeterCore::kEnter);
}

// Ana by the room for four seconds (40 readings), then Ben by the keyboard, who scores higher;
// Ben's turn ended last, on the summary screen.
void twoTurns(MeterCore& meter)
{
    meter.setCurveSource({.microphone = true, .inputName = u"Hall", .floorLufs = -45.0,
                          .rangeLu = 30.0});
    start(meter, u"Ana");
    for (int tick = 0; tick < 40 * curve::kTicksPerReading; ++tick)
        meter.tick(kSpaceUp, tick < 100 ? 70 : 20);
    meter.onChar(MeterCore::kEnter);
    meter.onChar(MeterCore::kEnter);
    start(meter, u"Ben");
    for (int tick = 0; tick < 60; ++tick)
        meter.tick(tick < 30 ? kSpaceHeld : kSpaceUp);
    meter.onChar(MeterCore::kEnter);
}

bool detailsEnabled(const MeterCore& meter)
{
    return commandState(Command::TurnDetails, CommandContext{meter})->enabled;
}

struct RowCase {
    const char* name;
    std::function<void(MeterCore&)> setUp;
    const char16_t* shown;  // whose curves; nullptr when the command is greyed
    std::size_t curves;
    bool underWay;
};

TEST(TurnDetails, ShowsTheRowACorrectionWouldTakeWithItsCurves)
{
    const RowCase cases[] = {
        {"the summary of the last turn", [](MeterCore&) {}, u"Ben", 1, false},
        // Ben's score is higher: Ana's row is the bottom one, which the first Up selects.
        {"a row selected", [](MeterCore& m) {
             m.onChar(MeterCore::kEnter);
             m.moveSelection(-1);
         }, u"Ana", 1, false},
        {"measured again, under way", [](MeterCore& m) {
             m.onChar(MeterCore::kEnter);
             m.moveSelection(-1);
             m.measureAgain();
             m.tick(kSpaceUp, 50);
         }, u"Ana", 2, true},
        {"a new turn before its first reading", [](MeterCore& m) {
             m.onChar(MeterCore::kEnter);
             start(m, u"Cal");
         }, u"Cal", 1, true},
        {"a restored row without a curve", [](MeterCore& m) {
             m.restoreEvent({Score{u"Dee", 40, 0}}, brio::BRStringArray(), 1);
         }, nullptr, 0, false},
        {"no table", [](MeterCore& m) { m.toggleLeagueTable(); }, nullptr, 0, false},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        MeterCore meter(true, true);
        twoTurns(meter);
        c.setUp(meter);
        const std::optional<RowCurves> row = rowCurves(meter, meter.correctionRow());
        EXPECT_EQ(detailsEnabled(meter), c.shown != nullptr);
        if (c.shown == nullptr) {
            EXPECT_FALSE(row);
            continue;
        }
        ASSERT_TRUE(row);
        EXPECT_EQ(row->name, brio::BRString(c.shown));
        EXPECT_EQ(row->curves.size(), c.curves);
        EXPECT_EQ(row->underWay, c.underWay);
    }
}

TEST(TurnDetails, TheRoomsTurnIsMarkedAtItsHeldLevelAndTheKeyboardsAtItsHighest)
{
    MeterCore meter(true, true);
    twoTurns(meter);
    const TurnCurve ana = meter.curvesOf(0).at(0);
    EXPECT_TRUE(ana.source.microphone);
    EXPECT_EQ(ana.source.inputName, brio::BRString(u"Hall"));
    // 20 readings at 70, then 20 at 20: 30 readings held only 20.
    EXPECT_EQ(markedLevel(ana), 20);
    EXPECT_EQ(markedLevel(ana), meter.leagueTable().entry(meter.leagueTable().rowOf(0)).score);
    const TurnCurve ben = meter.curvesOf(1).at(0);
    EXPECT_FALSE(ben.source.microphone);
    const int highest = *std::max_element(ben.readings.begin(), ben.readings.end());
    EXPECT_GT(highest, 0);
    EXPECT_EQ(markedLevel(ben), highest);
    EXPECT_EQ(markedLevel(TurnCurve{}), 0);
}

TEST(TurnDetails, CurvesShareOneTimeScaleFromTheLeftEdgeAndLevelsRunUpFromTheFoot)
{
    const QRectF area(10, 20, 100, 50);
    EXPECT_DOUBLE_EQ(levelY(0, area), 70.0);
    EXPECT_DOUBLE_EQ(levelY(100, area), 20.0);
    EXPECT_DOUBLE_EQ(levelY(50, area), 45.0);
    EXPECT_DOUBLE_EQ(levelY(250, area), 20.0) << "off the scale stays on the plot";
    const std::vector<std::uint8_t> readings{0, 100, 50};
    // Across three readings the last is at the right edge; across five, halfway.
    EXPECT_EQ(curvePoints(readings, area, 3),
              (std::vector<QPointF>{{10, 70}, {60, 20}, {110, 45}}));
    EXPECT_EQ(curvePoints(readings, area, 5),
              (std::vector<QPointF>{{10, 70}, {35, 20}, {60, 45}}));
    EXPECT_EQ(curvePoints(std::vector<std::uint8_t>{80}, area, 0).size(), 1u);
    EXPECT_TRUE(curvePoints({}, area, 10).empty());
}

// Each microphone's own readings against the room's 4: how much it heard, and when it
// stopped for good.
TEST(TurnDetails, EachMicrophoneTellsHowLongItHeardAndBreaksWhereItDidNot)
{
    constexpr std::uint8_t off = curve::kNotHeard;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> readings;
        std::size_t heard;
        std::optional<double> stoppedAfter;
        std::size_t stretches;
    };
    const Case cases[] = {
        {"heard throughout", {10, 20, 30, 40}, 4, std::nullopt, 1},
        {"stopped after 0.2 s", {10, 20, off, off}, 2, 0.2, 1},
        {"away a while and back", {10, off, off, 40}, 2, std::nullopt, 2},
        {"never heard", {off, off, off, off}, 0, std::nullopt, 0},
    };
    const QRectF area(0, 0, 30, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TurnCurve turn{{.microphone = true, .microphones = {{u"Left", u"", -50.0}, {u"Right", u"", -48.0}}},
                       {10, 20, 30, 40}, {{10, 20, 30, 40}, c.readings}};
        const std::vector<MicrophoneLine> lines = microphoneLines(turn);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1].microphone.place, brio::BRString(u"Right"));
        EXPECT_EQ(lines[1].heard, c.heard);
        EXPECT_EQ(lines[1].stoppedAfter.has_value(), c.stoppedAfter.has_value());
        if (c.stoppedAfter && lines[1].stoppedAfter)
            EXPECT_DOUBLE_EQ(*lines[1].stoppedAfter, *c.stoppedAfter);
        const auto stretches = heardStretches(c.readings, area, 4);
        EXPECT_EQ(stretches.size(), c.stretches);
        std::size_t points = 0;
        for (const std::vector<QPointF>& stretch : stretches)
            points += stretch.size();
        EXPECT_EQ(points, c.heard) << "a point for each reading heard, none for the others";
    }
    // A turn of the room from a file from before: one microphone, which heard the room's
    // readings; the keyboard's turn has none.
    const TurnCurve before{{.microphone = true, .inputName = u"Hall", .floorLufs = -45.0}, {5, 6}, {}};
    EXPECT_EQ(microphoneLines(before),
              (std::vector<MicrophoneLine>{{{u"", u"Hall", -45.0}, {5, 6}, 2, std::nullopt}}));
    EXPECT_TRUE(microphoneLines(TurnCurve{{}, {5, 6}, {}}).empty());
}

}  // namespace
