// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "core/PreloadText.h"

// Turning the operator's edited text back into the running order must stay linear
// in its length: a pasted list of a hundred thousand names is parsed at once.
static void BM_RebuildListFromText(benchmark::State& state)
{
    brio::BRString text;
    for (int i = 0; i < state.range(0); ++i) {
        if (i > 0)
            text += "\r\n";
        text += brio::BRString::format("  Contestant %d ", i);
    }
    brio::BRStringArray list;
    for (auto _ : state) {
        rebuildListFromText(list, text);
        benchmark::DoNotOptimize(list.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RebuildListFromText)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
