// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The held level of a series of readings, and the curve each turn keeps: ten readings a
// second, told to the journal as they come, one curve per turn measured.
#include "core/HeldLevel.h"
#include "core/MeterCore.h"
#include "core/TurnCurve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};
constexpr TickInput kSpaceUp{.listening = true, .spaceDown = false};

std::vector<std::uint8_t> repeated(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<std::uint8_t> readings;
    for (const auto& [value, count] : runs)
        readings.insert(readings.end(), std::size_t(count), std::uint8_t(value));
    return readings;
}

TEST(HeldLevel, IsTheThirtiethHighestReadingAndZeroBeforeThirty)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> readings;
        int held;
    };
    const Case cases[] = {
        {"none", {}, 0},
        {"29 at full scale", repeated({{100, 29}}), 0},
        {"30 at full scale", repeated({{100, 30}}), 100},
        {"29 high and one low", repeated({{90, 29}, {10, 1}}), 10},
        {"order does not matter", repeated({{10, 1}, {90, 29}}), 10},
        {"the 30th of many", repeated({{5, 100}, {70, 29}, {60, 1}, {50, 40}}), 60},
        {"ties count each", repeated({{42, 15}, {42, 15}, {99, 10}}), 42},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(heldLevelOf(c.readings), c.held) << c.what;
        // Fed one by one, it never falls.
        HeldLevel held;
        int before = 0;
        for (const std::uint8_t reading : c.readings) {
            held.add(reading);
            EXPECT_GE(held.level(), before) << c.what;
            before = held.level();
        }
        EXPECT_EQ(held.count(), int(c.readings.size())) << c.what;
    }
    HeldLevel held;
    for (int i = 0; i < 30; ++i)
        held.add(i % 2 ? 250 : -3);  // off the scale: the nearest end
    EXPECT_EQ(held.level(), 0);
    for (int i = 0; i < 15; ++i)
        held.add(300);
    EXPECT_EQ(held.level(), 100);
    held.clear();
    EXPECT_EQ(held.level(), 0);
    EXPECT_EQ(held.count(), 0);
}

TEST(TurnCurve, LoudestMomentLengthAndValidity)
{
    const std::vector<std::uint8_t> readings = repeated({{10, 12}, {80, 3}, {80, 2}, {20, 8}});
    EXPECT_EQ(loudestMoment(readings), (LoudestMoment{80, 1.2}));
    EXPECT_EQ(loudestMoment({}), std::nullopt);
    EXPECT_DOUBLE_EQ(curveSeconds(readings), 2.5);

    struct Case {
        std::vector<int> stored;
        bool valid;
    };
    const Case cases[] = {
        {{0, 50, 100}, true},
        {{}, false},
        {{0, 101}, false},
        {{-1, 3}, false},
        {std::vector<int>(curve::kMaximumReadings, 7), true},
        {std::vector<int>(curve::kMaximumReadings + 1, 7), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidCurve(c.stored), c.valid) << c.stored.size() << " readings";
}

// Hears what the meter tells of curves; the rest it ignores.
class CurveJournal : public MeterJournal {
public:
    struct Started {
        std::int64_t order;
        CurveSource source;
    };
    std::vector<Started> started;
    std::vector<std::pair<std::int64_t, int>> readings;

    void contestantStarted(std::int64_t, const brio::BRString&) override {}
    void scoreRaised(std::int64_t, int) override {}
    void turnEnded(std::int64_t) override {}
    void tableCleared(std::optional<std::int64_t>) override {}
    void preloadListSet(const brio::BRStringArray&) override {}
    void preloadNameTaken(int) override {}
    void entryRenamed(std::int64_t, const brio::BRString&) override {}
    void scoreCorrected(std::int64_t, int) override {}
    void entriesRemoved(const std::vector<std::int64_t>&) override {}
    void entriesRestored(const std::vector<std::int64_t>&) override {}
    void curveStarted(std::int64_t order, const CurveSource& source) override
    {
        started.push_back({order, source});
    }
    void curveRead(std::int64_t order, int reading, std::span<const std::uint8_t>) override
    {
        readings.emplace_back(order, reading);
    }

    std::vector<std::uint8_t> readingsOf(std::int64_t order) const
    {
        std::vector<std::uint8_t> of;
        for (const auto& [readOrder, reading] : readings) {
            if (readOrder == order)
                of.push_back(std::uint8_t(reading));
        }
        return of;
    }
};

void startTurn(MeterCore& meter, char name)
{
    meter.onChar(name);
    meter.onChar(MeterCore::kEnter);
}

TEST(TurnCurve, TheKeyboardsCurveIsTheLevelEveryFifthTickFromEnter)
{
    MeterCore meter(true, true);
    CurveJournal journal;
    meter.setJournal(&journal);
    startTurn(meter, 'A');
    std::vector<std::uint8_t> everyFifth;
    int highest = 0;
    for (int tick = 0; tick < 203; ++tick) {
        meter.tick(tick < 60 ? kSpaceHeld : kSpaceUp);
        highest = std::max(highest, meter.level());
        if (tick % 5 == 0)
            everyFifth.push_back(std::uint8_t(meter.level()));
    }
    EXPECT_EQ(meter.currentCurve().readings, everyFifth);
    EXPECT_EQ(meter.currentCurve().readings.size(), 41u);
    EXPECT_FALSE(meter.currentCurve().source.microphone);
    // The keyboard's score stays the peak of the level.
    EXPECT_EQ(meter.peak(), highest);
    meter.onChar(MeterCore::kEnter);  // summary: the turn is over
    ASSERT_EQ(meter.curvesOf(0).size(), 1u);
    EXPECT_EQ(meter.curvesOf(0).front().readings, everyFifth);
    EXPECT_EQ(journal.readingsOf(0), everyFifth);
    ASSERT_EQ(journal.started.size(), 1u);
    EXPECT_EQ(journal.started.front().order, 0);
}

TEST(TurnCurve, EachTurnKeepsItsOwnCurveAndMeasuringAgainAddsOne)
{
    MeterCore meter(true, false);
    CurveJournal journal;
    meter.setJournal(&journal);
    const CurveSource room{.microphone = true, .inputName = brio::BRString(u"USB microphone"),
                           .floorLufs = -48.5, .rangeLu = 25.0};
    meter.setCurveSource(room);
    startTurn(meter, 'A');
    for (int tick = 0; tick < 200; ++tick)
        meter.tick(kSpaceUp, 60);
    meter.onChar(MeterCore::kEnter);
    startTurn(meter, 'B');
    for (int tick = 0; tick < 30; ++tick)
        meter.tick(kSpaceHeld);
    meter.onChar(MeterCore::kEnter);
    ASSERT_TRUE(meter.measureAgain());  // the last measured: B, now with the room
    for (int tick = 0; tick < 250; ++tick)
        meter.tick(kSpaceUp, 75);
    meter.onChar(MeterCore::kEnter);

    const std::vector<TurnCurve>& curvesOfA = meter.curvesOf(0);
    ASSERT_EQ(curvesOfA.size(), 1u);
    EXPECT_EQ(curvesOfA[0].source, room);
    EXPECT_EQ(curvesOfA[0].readings, repeated({{60, 40}}));
    const std::int64_t orderOfB = meter.leagueTable().entry(0).order;
    const std::vector<TurnCurve>& curvesOfB = meter.curvesOf(orderOfB);
    ASSERT_EQ(curvesOfB.size(), 2u);
    EXPECT_FALSE(curvesOfB[0].source.microphone);
    EXPECT_EQ(curvesOfB[0].readings.size(), 6u);
    EXPECT_EQ(curvesOfB[1].source, room);
    EXPECT_EQ(curvesOfB[1].readings, repeated({{75, 50}}));
    EXPECT_EQ(meter.leagueTable().entry(0).score, 75);
    // The journal heard each curve begin and every reading, in the order they came.
    ASSERT_EQ(journal.started.size(), 3u);
    EXPECT_EQ(journal.started[2].order, orderOfB);
    EXPECT_EQ(journal.started[2].source, room);
    std::vector<std::uint8_t> bothOfB = curvesOfB[0].readings;
    bothOfB.insert(bothOfB.end(), curvesOfB[1].readings.begin(), curvesOfB[1].readings.end());
    EXPECT_EQ(journal.readingsOf(orderOfB), bothOfB);
    EXPECT_TRUE(meter.curvesOf(99).empty());
}

TEST(TurnCurve, ALongTurnKeepsItsFirstTenMinutesAndRestoredCurvesComeBack)
{
    MeterCore meter(false, true);  // without the table a turn never ends
    const int ticks = int(curve::kMaximumReadings) * curve::kTicksPerReading + 500;
    for (int tick = 0; tick < ticks; ++tick)
        meter.tick(kSpaceUp, tick < 1000 ? 20 : 90);
    EXPECT_EQ(meter.currentCurve().readings.size(), curve::kMaximumReadings);
    EXPECT_EQ(meter.peak(), 90);

    MeterCore resumed(true, true);
    resumed.restoreEvent({{brio::BRString(u"A"), 40, 3}}, brio::BRStringArray(), 4);
    CurveSource room;
    room.microphone = true;
    const std::vector<TurnCurve> kept = {{CurveSource{}, repeated({{40, 31}})},
                                         {room, repeated({{30, 40}})}};
    resumed.restoreCurves(3, kept);
    EXPECT_EQ(resumed.curvesOf(3), kept);
    resumed.restoreEvent({}, brio::BRStringArray(), 0);
    EXPECT_TRUE(resumed.curvesOf(3).empty());
}

}  // namespace
