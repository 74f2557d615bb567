// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// What the turn's readings add to the meter's 20 ms tick: every fifth tick puts the level into
// the held level and the curve and tells the journal. A whole turn of ticks with the room
// measuring (readings, held level, curve) against the same turn from the keyboard, and one
// reading alone.
#include "core/HeldLevel.h"
#include "core/MeterCore.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kTurnTicks = 10 * MeterCore::kTicksPerSecond;

// Hears every call as a recorder's journal does, and keeps only a count.
class CountingJournal : public MeterJournal {
public:
    std::int64_t calls = 0;
    void contestantStarted(std::int64_t, const brio::BRString&) override { ++calls; }
    void scoreRaised(std::int64_t, int) override { ++calls; }
    void turnEnded(std::int64_t) override { ++calls; }
    void tableCleared(std::optional<std::int64_t>) override { ++calls; }
    void preloadListSet(const brio::BRStringArray&) override { ++calls; }
    void preloadNameTaken(int) override { ++calls; }
    void entryRenamed(std::int64_t, const brio::BRString&) override { ++calls; }
    void scoreCorrected(std::int64_t, int) override { ++calls; }
    void entriesRemoved(const std::vector<std::int64_t>&) override { ++calls; }
    void entriesRestored(const std::vector<std::int64_t>&) override { ++calls; }
    void curveStarted(std::int64_t, const CurveSource&) override { ++calls; }
    void curveRead(std::int64_t, int, std::span<const std::uint8_t>) override { ++calls; }
};

// A room that claps: a level that wanders between 30 and 90.
int roomAt(int tick)
{
    return 30 + (tick * 37 + (tick / 7) * 11) % 61;
}

// Ten seconds of a turn, Enter to Enter; the table is emptied now and then so that it stays
// small. state.range(0): 1 with the room measuring, 0 from the keyboard.
void BM_TurnOfTicksWithReadings(benchmark::State& state)
{
    const bool room = state.range(0) != 0;
    MeterCore meter(true, false);
    CountingJournal journal;
    meter.setJournal(&journal);
    int turns = 0;
    for (auto _ : state) {
        meter.onChar('A');
        meter.onChar(MeterCore::kEnter);
        for (int tick = 0; tick < kTurnTicks; ++tick) {
            if (room)
                meter.tick(TickInput{}, roomAt(tick));
            else
                meter.tick(TickInput{true, tick < kTurnTicks / 2});
        }
        meter.onChar(MeterCore::kEnter);
        if (++turns % 100 == 0)
            meter.clearLeagueTable();
        benchmark::DoNotOptimize(meter.peak());
    }
    state.counters["per_tick"] = benchmark::Counter(
        double(state.iterations()) * kTurnTicks,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["journal_calls"] = double(journal.calls);
}
BENCHMARK(BM_TurnOfTicksWithReadings)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One reading into the held level of a ten-second turn.
void BM_HeldLevelReading(benchmark::State& state)
{
    HeldLevel held;
    int tick = 0;
    for (auto _ : state) {
        if (held.count() == 100)
            held.clear();
        held.add(roomAt(tick++));
        benchmark::DoNotOptimize(held.level());
    }
}
BENCHMARK(BM_HeldLevelReading);

}  // namespace
