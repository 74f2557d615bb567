// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterLayout.h"

#include <vector>

// Where each part of the Stage look goes, as pure arithmetic on the screen's rectangle and
// the widths of a few measured texts. Rectangles as in MeterLayout.h.
namespace stage {

using layout::Rect;
using layout::Size;

// The table's type is chosen so that this many rows fit the screen's height.
inline constexpr int kRowsInView = 10;
// The podium's places: first, second, third.
inline constexpr int kPodiumPlaces = 3;

// Text sizes in pixels, from the screen's height alone.
struct TypeSizes {
    int title = 0;  // the event's name
    int row = 0;    // a table row
    int large = 0;  // the level and the countdown
    friend bool operator==(const TypeSizes&, const TypeSizes&) = default;
};
TypeSizes typeSizes(const Rect& view);

// Widths of texts measured in the type sizes: the widest rank ("888."), score ("100") and
// countdown ("888").
struct TextWidths {
    int rank = 0;
    int score = 0;
    int countdown = 0;
    friend bool operator==(const TextWidths&, const TextWidths&) = default;
};

struct LayoutInput {
    Rect view;
    TextWidths widths;
    Size logo;  // the picture's own size, for its proportions; 0 x 0 for none
    bool tableInUse = true;
};

// One row of the table as shown: the table's index and the slot (line) it stands in.
struct ShownSlot {
    int index = 0;
    int slot = 0;
    friend bool operator==(const ShownSlot&, const ShownSlot&) = default;
};

// The rows a table of `count` rows shows in `capacity` slots: the top rows, and when the
// current row would fall below them, the top rows but two, a gap and the current row.
struct SlotPlan {
    std::vector<ShownSlot> rows;
    int gapSlot = -1;  // the slot marked as a gap; -1 for none
    friend bool operator==(const SlotPlan&, const SlotPlan&) = default;
};
SlotPlan planSlots(int count, int current, int capacity);

struct Layout {
    Rect band;         // the top band: logo, event name, countdown
    Rect logo;         // empty without a logo
    Rect title;
    Rect countdown;
    Rect column;       // the meter: the new-leader line, the level and its bar
    Rect leaderLine;
    Rect levelNumber;
    Rect track;        // the bar the level fills
    Rect table;        // empty without the table
    int pitch = 0;     // one slot's height
    TextWidths widths;
};
Layout stageLayout(const LayoutInput& input);

// A slot of the table and its three cells (rank, name, score); the name gets what is left.
Rect slotRect(const Layout& layout, int slot);
Rect rankRect(const Layout& layout, int slot);
Rect nameRect(const Layout& layout, int slot);
Rect scoreRect(const Layout& layout, int slot);

// The level's filled part of the track, the peak's tick on it, and the part of the track
// between two levels (what changes when the level moves).
Rect fillRect(const Layout& layout, int level);
Rect peakTickRect(const Layout& layout, int peak);
Rect levelSpan(const Layout& layout, int fromLevel, int toLevel);

// The podium below the band: for each place (0 first, 1 second, 2 third) its block with the
// score, and the names above it.
struct PodiumPlace {
    Rect block;
    Rect score;
    Rect names;
};
struct Podium {
    PodiumPlace places[kPodiumPlaces];
    int nameLines = 0;  // how many names each place has room for
};
Podium podiumLayout(const Layout& layout);

}  // namespace stage
