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

// The table's type is chosen so that this many rows fit the screen's height; a table of fewer
// rows gets larger ones, down to kFewestRowsInView a screen, so that few contestants fill it.
inline constexpr int kRowsInView = 10;
inline constexpr int kFewestRowsInView = 4;
// How many slots a table that needs this many gets.
int rowsInView(int slotsNeeded);
// The podium's places: first, second, third.
inline constexpr int kPodiumPlaces = 3;

// Text sizes in pixels, from the screen's height alone.
struct TypeSizes {
    int title = 0;  // the event's name
    int row = 0;    // a table row
    int large = 0;  // the level and the countdown
    int scale = 0;  // the meter's scale and the peak's number
    friend bool operator==(const TypeSizes&, const TypeSizes&) = default;
};
TypeSizes typeSizes(const Rect& view, int rows = kRowsInView);

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
    int rows = kRowsInView;  // the table's slots, from rowsInView
    bool jury = false;       // room for the jury's figures and awards
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
    int scaleType = 0; // the scale's and the peak number's text height
    Rect table;        // empty without the table
    int rows = kRowsInView;
    int pitch = 0;     // one slot's height
    TextWidths widths;
    bool jury = false;
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

// The scale beside the track: its numbers every kScaleStep, each on a short line at its level,
// left of the track; the peak's number right of the track at the peak's height.
inline constexpr int kScaleStep = 20;
Rect scaleLabelRect(const Layout& layout, int value);
Rect scaleTickRect(const Layout& layout, int value);
Rect peakNumberRect(const Layout& layout, int peak);

// A row overtaking others glides from the slot it left to its new one: where it is drawn
// when progress (0..kGlideSteps) of the glide has passed, and the slots it crosses, the only
// part a glide repaints.
inline constexpr int kGlideSteps = 1000;
Rect glidingRowRect(const Layout& layout, int fromSlot, int toSlot, int progress);
Rect glideSpan(const Layout& layout, int fromSlot, int toSlot);

// The last two hidden contestants side by side over the table's first kPairSlots slots: each
// card with its name and its score (or "?"); the other rows go below them.
inline constexpr int kPairSlots = 4;
struct PairCard {
    Rect card;
    Rect name;
    Rect score;
};
struct PairLayout {
    PairCard cards[2];
};
PairLayout pairLayout(const Layout& layout);

// A burst of confetti over the view when the winners show: each piece's rectangle and its
// colour (an index into the painter's colours) at elapsed milliseconds; none after
// kConfettiMilliseconds.
inline constexpr int kConfettiMilliseconds = 4000;
inline constexpr int kConfettiColours = 5;
struct ConfettiPiece {
    Rect rect;
    int colour = 0;
    friend bool operator==(const ConfettiPiece&, const ConfettiPiece&) = default;
};
std::vector<ConfettiPiece> confettiAt(const Rect& view, int elapsedMilliseconds);

// While the jury is on, the current contestant's applause, jury and result, one line each at
// the foot of the meter's column (the track ends above them), from 0 for the applause.
inline constexpr int kJuryFigures = 3;
Rect juryFigureRect(const Layout& layout, int figure);

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
// With the jury on, the two awards beside the winners on one line below the podium, side by
// side: 0 the Judges' Choice, 1 the People's Choice.
inline constexpr int kJuryAwards = 2;
Rect awardRect(const Layout& layout, int award);

// A duel's side, the left or the right half of the meter's column: its name on top, the
// number (its level while it runs, its held level once over), and a bar of its own as wide as
// the meter's, filled as fillRect fills the meter's.
struct DuelSideRects {
    Rect name;
    Rect number;
    Rect track;
};
DuelSideRects duelSideRects(const Layout& layout, int side);
Rect duelFillRect(const DuelSideRects& side, int level);

}  // namespace stage
