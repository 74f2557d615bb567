// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The meter driven by any sequence of operator actions: keys, typed text, ticks with SPACE up
// or down or with the room's reading, the menu commands and new preload lists. Every rule of brokenMeterRule holds after
// every step.
#include "FuzzSupport.h"

#include "support/MeterInvariants.h"

#include "brio/BRStringQt.h"
#include "core/Correction.h"
#include "core/PreloadText.h"

#include <vector>

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
    MoveSelection,
    Rename,
    Remove,
    MeasureAgain,
    Undo,
    Redo,
    RoomTicks,
    Count,
};

constexpr int kMaxTextUnits = 12;
constexpr int kMaxPreloadUnits = 64;

// Corrections taken back and made again, as the undo history keeps them.
struct History {
    std::vector<Correction> done;
    std::vector<Correction> undone;
    void push(Correction change)
    {
        done.push_back(std::move(change));
        undone.clear();
    }
    // Undo or redo, as the menu allows it: the last change of one list, over to the other.
    static void move(MeterCore& meter, std::vector<Correction>& from, std::vector<Correction>& to,
                     void (*change)(MeterCore&, const Correction&))
    {
        if (!meter.correctionsAllowed() || from.empty())
            return;
        change(meter, from.back());
        to.push_back(std::move(from.back()));
        from.pop_back();
    }
};

void apply(MeterCore& meter, Step step, FuzzInput& input, History& history)
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
    case Step::RoomTicks: {
        // A run of ticks with the microphone hearing the room at one reading, which may lie
        // off the scale.
        const int reading = int(input.takeByte()) - 64;
        const int count = 1 + input.takeByte();
        for (int i = 0; i < count; ++i) {
            meter.tick(TickInput{}, reading);
            if (const char* broken = brokenMeterRule(meter))
                fuzzFailure(broken);
        }
        break;
    }
    case Step::ToggleLeagueTable:
        meter.toggleLeagueTable();
        break;
    case Step::ClearLeagueTable:
        history.push(correction::Removed{meter.clearLeagueTable()});
        break;
    case Step::MoveSelection:
        meter.moveSelection((input.takeByte() & 1) != 0 ? 1 : -1);
        break;
    case Step::Rename:
        meter.beginRename();
        break;
    case Step::Remove:
        // As the menu allows it: outside a turn, on the row a correction acts on.
        if (meter.correctionsAllowed() && meter.correctionRow() >= 0)
            history.push(correction::Removed{
                meter.removeEntries({meter.leagueTable().entry(meter.correctionRow()).order})});
        break;
    case Step::MeasureAgain:
        meter.measureAgain();
        break;
    case Step::Undo:
        history.move(meter, history.done, history.undone, undoCorrection);
        break;
    case Step::Redo:
        history.move(meter, history.undone, history.done, redoCorrection);
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
    History history;
    while (!input.atEnd()) {
        const auto step = static_cast<Step>(input.takeByte() % static_cast<int>(Step::Count));
        apply(meter, step, input, history);
        if (auto finished = meter.takeCorrection())
            history.push(std::move(*finished));
        if (const char* broken = brokenMeterRule(meter))
            fuzzFailure(broken);
    }
    return 0;
}
