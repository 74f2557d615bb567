// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The meter driven by any sequence of operator actions: keys, typed text, ticks with SPACE up
// or down, the menu commands and new preload lists. Every rule of brokenMeterRule holds after
// every step.
#include "FuzzSupport.h"

#include "support/MeterInvariants.h"

#include "brio/BRStringQt.h"
#include "core/PreloadText.h"

namespace {

enum class Step : std::uint8_t {
    Enter,
    Escape,
    Backspace,
    OneUnit,
    Text,
    Ticks,
    ToggleLeagueTable,
    ClearLeagueTable,
    ToggleSummaryScreen,
    NewPreloadList,
    Reset,
    Count,
};

constexpr int kMaxTextUnits = 12;
constexpr int kMaxPreloadUnits = 64;

void apply(MeterCore& meter, Step step, FuzzInput& input)
{
    switch (step) {
    case Step::Enter:
        meter.onChar(MeterCore::kEnter);
        break;
    case Step::Escape:
        meter.onChar(MeterCore::kEscape);
        break;
    case Step::Backspace:
        meter.onChar(MeterCore::kBackspace);
        break;
    case Step::OneUnit:
        meter.onChar(input.takeUnit());
        break;
    case Step::Text:
        meter.onText(brio::fromQString(input.takeText(kMaxTextUnits)));
        break;
    case Step::Ticks: {
        // A run of ticks with one input, as SPACE is held or left for a while.
        const std::uint8_t how = input.takeByte();
        const TickInput tick{(how & 1) != 0, (how & 2) != 0};
        const int count = 1 + (how >> 2);
        for (int i = 0; i < count; ++i) {
            meter.tick(tick);
            if (const char* broken = brokenMeterRule(meter))
                fuzzFailure(broken);
        }
        break;
    }
    case Step::ToggleLeagueTable:
        meter.toggleLeagueTable();
        break;
    case Step::ClearLeagueTable:
        meter.clearLeagueTable();
        break;
    case Step::ToggleSummaryScreen:
        meter.toggleSummaryScreen();
        break;
    case Step::NewPreloadList:
        rebuildListFromText(meter.preloadList(), brio::fromQString(input.takeText(kMaxPreloadUnits)));
        meter.restartWithPreloadList();
        break;
    case Step::Reset:
    case Step::Count:
        meter.reset();
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t start = input.takeByte();
    MeterCore meter((start & 1) != 0, (start & 2) != 0);
    while (!input.atEnd()) {
        const auto step = static_cast<Step>(input.takeByte() % static_cast<int>(Step::Count));
        apply(meter, step, input);
        if (const char* broken = brokenMeterRule(meter))
            fuzzFailure(broken);
    }
    return 0;
}
