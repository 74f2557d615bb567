// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StageLayout.h"

#include <algorithm>
#include <cstdint>

namespace stage {
namespace {

constexpr int kPercent = 100;
constexpr int kBandShare = 8;     // the band takes an eighth of the height
constexpr int kMarginShare = 40;  // margins are a fortieth of it
constexpr int kColumnShare = 5;   // beside the table the meter takes a fifth of the width
constexpr int kLoneColumnShare = 3;
constexpr int kMaxLogoShare = 4;  // a wide logo takes at most a quarter of the width
// Type heights as parts of what holds them.
constexpr int kRowTypePercent = 60;
constexpr int kTitleTypePercent = 50;
constexpr int kLargeTypePercent = 70;
constexpr int kScaleTypePercent = 40;
constexpr int kTrackShare = 3;          // the track takes the column's middle third
constexpr int kScaleTickShare = 4;      // a scale line is a quarter of the track's width
constexpr int kConfettiPieces = 48;
constexpr int kConfettiSizeShare = 60;  // a piece is a sixtieth of the view's height
// The top rows kept above the gap and the current row when the current row falls below.
constexpr int kSlotsAfterTop = 2;
constexpr int kPeakTickShare = 60;  // the peak's tick is a sixtieth of the track's height
constexpr int kPodiumUnits = 4;     // blocks of 3, 2 and 1 units of the podium's height in 4

int bandHeight(const Rect& view)
{
    return std::max(view.height(), 0) / kBandShare;
}

int margin(const Rect& view)
{
    return std::max(view.height(), 0) / kMarginShare;
}

Rect body(const Rect& view)
{
    const int gap = margin(view);
    return Rect{view.left + gap, view.top + bandHeight(view) + gap, view.right - gap,
                view.bottom - gap};
}

// One slot's height with this many slots in the view; the meter's column always counts
// kRowsInView, so that it keeps its look however many rows the table has.
int pitchOf(const Rect& view, int rows = kRowsInView)
{
    return std::max(body(view).height(), 0) / std::max(rows, 1);
}

int trackTop(const Rect& track, int level)
{
    return track.bottom - track.height() * std::clamp(level, 0, kPercent) / kPercent;
}

}  // namespace

int rowsInView(int slotsNeeded)
{
    return std::clamp(slotsNeeded, kFewestRowsInView, kRowsInView);
}

TypeSizes typeSizes(const Rect& view, int rows)
{
    const int band = bandHeight(view);
    return TypeSizes{std::max(1, band * kTitleTypePercent / kPercent),
                     std::max(1, pitchOf(view, rows) * kRowTypePercent / kPercent),
                     std::max(1, band * kLargeTypePercent / kPercent),
                     std::max(1, pitchOf(view) * kScaleTypePercent / kPercent)};
}

SlotPlan planSlots(int count, int current, int capacity)
{
    SlotPlan plan;
    const int rows = std::max(count, 0);
    const int slots = std::max(capacity, 0);
    if (rows <= slots || current < slots || slots <= kSlotsAfterTop) {
        for (int row = 0; row < std::min(rows, slots); ++row)
            plan.rows.push_back(ShownSlot{row, row});
        return plan;
    }
    const int top = slots - kSlotsAfterTop;
    for (int row = 0; row < top; ++row)
        plan.rows.push_back(ShownSlot{row, row});
    plan.gapSlot = top;
    plan.rows.push_back(ShownSlot{current, top + 1});
    return plan;
}

Layout stageLayout(const LayoutInput& input)
{
    const Rect& view = input.view;
    const int gap = margin(view);
    Layout layout;
    layout.widths = input.widths;
    layout.jury = input.jury;
    layout.rows = rowsInView(input.rows);
    layout.pitch = pitchOf(view, layout.rows);
    layout.band = Rect{view.left, view.top, view.right, view.top + bandHeight(view)};

    const int logoHeight = std::max(layout.band.height() - 2 * gap, 0);
    int logoWidth = 0;
    if (input.logo.width > 0 && input.logo.height > 0) {
        const std::int64_t proportional =
            std::int64_t{logoHeight} * input.logo.width / input.logo.height;
        logoWidth = static_cast<int>(std::min<std::int64_t>(proportional, view.width() / kMaxLogoShare));
    }
    layout.logo = Rect{view.left + gap, view.top + gap, view.left + gap + logoWidth,
                       view.top + gap + logoHeight};
    layout.countdown = Rect{view.right - gap - input.widths.countdown, layout.band.top,
                            view.right - gap, layout.band.bottom};
    layout.title = Rect{layout.logo.right + gap, layout.band.top, layout.countdown.left - gap,
                        layout.band.bottom};

    const Rect inside = body(view);
    if (input.tableInUse) {
        layout.column = Rect{inside.left, inside.top, inside.left + inside.width() / kColumnShare,
                             inside.bottom};
        layout.table = Rect{layout.column.right + gap, inside.top, inside.right, inside.bottom};
    } else {
        const int width = inside.width() / kLoneColumnShare;
        const int left = inside.left + (inside.width() - width) / 2;
        layout.column = Rect{left, inside.top, left + width, inside.bottom};
        layout.table = Rect{inside.right, inside.top, inside.right, inside.top};
    }
    const Rect& column = layout.column;
    layout.leaderLine = Rect{column.left, column.top, column.right, column.top + pitchOf(view)};
    layout.levelNumber = Rect{column.left, layout.leaderLine.bottom, column.right,
                              layout.leaderLine.bottom + layout.band.height()};
    const int trackWidth = column.width() / kTrackShare;
    const int trackLeft = column.left + (column.width() - trackWidth) / 2;
    layout.scaleType = typeSizes(view).scale;
    // Half a number's height above and below, so that 100 and 0 stay inside the column.
    const int figures = input.jury ? kJuryFigures * pitchOf(view) : 0;
    layout.track = Rect{trackLeft, layout.levelNumber.bottom + gap + layout.scaleType / 2,
                        trackLeft + trackWidth, column.bottom - figures - layout.scaleType / 2};
    return layout;
}

Rect slotRect(const Layout& layout, int slot)
{
    const int top = layout.table.top + layout.pitch * slot;
    return Rect{layout.table.left, top, layout.table.right, top + layout.pitch};
}

Rect rankRect(const Layout& layout, int slot)
{
    const Rect row = slotRect(layout, slot);
    return Rect{row.left, row.top, std::min(row.left + layout.widths.rank, row.right), row.bottom};
}

Rect scoreRect(const Layout& layout, int slot)
{
    const Rect row = slotRect(layout, slot);
    return Rect{std::max(row.right - layout.widths.score, row.left), row.top, row.right,
                row.bottom};
}

Rect nameRect(const Layout& layout, int slot)
{
    const Rect rank = rankRect(layout, slot);
    const Rect score = scoreRect(layout, slot);
    const int gap = layout.pitch / 2;
    return Rect{rank.right + gap, rank.top, std::max(rank.right + gap, score.left - gap),
                rank.bottom};
}

Rect fillRect(const Layout& layout, int level)
{
    const Rect& track = layout.track;
    return Rect{track.left, trackTop(track, level), track.right, track.bottom};
}

Rect peakTickRect(const Layout& layout, int peak)
{
    const Rect& track = layout.track;
    const int thickness = std::max(2, track.height() / kPeakTickShare);
    const int middle = trackTop(track, peak);
    const int top = std::clamp(middle - thickness / 2, track.top, track.bottom - thickness);
    return Rect{track.left, top, track.right, top + thickness};
}

Rect levelSpan(const Layout& layout, int fromLevel, int toLevel)
{
    const int a = trackTop(layout.track, fromLevel);
    const int b = trackTop(layout.track, toLevel);
    return Rect{layout.track.left, std::min(a, b), layout.track.right, std::max(a, b)};
}

Rect scaleLabelRect(const Layout& layout, int value)
{
    const int middle = trackTop(layout.track, value);
    const int half = layout.scaleType * 3 / 4;
    const int gap = layout.track.width() / kScaleTickShare;
    return Rect{layout.column.left, middle - half, layout.track.left - gap - gap / 2,
                middle + half};
}

Rect scaleTickRect(const Layout& layout, int value)
{
    const int middle = trackTop(layout.track, value);
    const int thickness = std::max(1, layout.scaleType / 10);
    return Rect{layout.track.left - layout.track.width() / kScaleTickShare, middle - thickness / 2,
                layout.track.left, middle - thickness / 2 + thickness};
}

Rect peakNumberRect(const Layout& layout, int peak)
{
    const int middle = trackTop(layout.track, peak);
    const int half = layout.scaleType * 3 / 4;
    return Rect{layout.track.right + layout.track.width() / kScaleTickShare, middle - half,
                layout.column.right, middle + half};
}

Rect glidingRowRect(const Layout& layout, int fromSlot, int toSlot, int progress)
{
    const int from = slotRect(layout, fromSlot).top;
    const int to = slotRect(layout, toSlot).top;
    const std::int64_t done = std::clamp(progress, 0, kGlideSteps);
    // Eased out: fast at first, settling into its place.
    const std::int64_t left = kGlideSteps - done;
    const std::int64_t eased = kGlideSteps - left * left / kGlideSteps;
    const int top = from + static_cast<int>((to - from) * eased / kGlideSteps);
    return Rect{layout.table.left, top, layout.table.right, top + layout.pitch};
}

Rect glideSpan(const Layout& layout, int fromSlot, int toSlot)
{
    const Rect a = slotRect(layout, std::min(fromSlot, toSlot));
    const Rect b = slotRect(layout, std::max(fromSlot, toSlot));
    return Rect{a.left, a.top, a.right, b.bottom};
}

PairLayout pairLayout(const Layout& layout)
{
    const Rect& table = layout.table;
    const int gap = layout.pitch / 2;
    const int width = std::max(table.width() - gap, 0) / 2;
    const int height = layout.pitch * kPairSlots - gap;
    PairLayout pair;
    for (int side = 0; side < 2; ++side) {
        const int left = table.left + side * (width + gap);
        const Rect card{left, table.top, left + width, table.top + height};
        const int nameBottom = card.top + layout.pitch * 3 / 2;
        pair.cards[side] = PairCard{card, Rect{card.left, card.top, card.right, nameBottom},
                                    Rect{card.left, nameBottom, card.right, card.bottom}};
    }
    return pair;
}

std::vector<ConfettiPiece> confettiAt(const Rect& view, int elapsedMilliseconds)
{
    std::vector<ConfettiPiece> pieces;
    if (elapsedMilliseconds < 0 || elapsedMilliseconds >= kConfettiMilliseconds)
        return pieces;
    const int size = std::max(2, view.height() / kConfettiSizeShare);
    const std::int64_t width = std::max(view.width(), 1);
    const std::int64_t fall = view.height() + 2 * size;
    for (int piece = 0; piece < kConfettiPieces; ++piece) {
        // A fixed scatter: each piece starts at its own column and height above the view,
        // and falls at its own speed, swaying left and right.
        const std::uint32_t mixed = static_cast<std::uint32_t>(piece + 1) * 2654435761u;
        const std::int64_t column = static_cast<std::int64_t>(mixed % 1000) * width / 1000;
        const std::int64_t start = static_cast<std::int64_t>((mixed >> 10) % 1000) * fall / 2000;
        // Per mille of the fall a second: each piece takes 2 to 3.3 s to cross the view.
        const std::int64_t speed = 300 + (mixed >> 20) % 200;
        const std::int64_t fallen = fall * speed * elapsedMilliseconds / 1000 / 1000;
        const int top = view.top - 2 * size - static_cast<int>(start) + static_cast<int>(fallen);
        const int sway = static_cast<int>(((elapsedMilliseconds / 50 + piece) % 16 < 8)
                                              ? (elapsedMilliseconds / 50 + piece) % 8
                                              : 8 - (elapsedMilliseconds / 50 + piece) % 8) *
                         size / 4;
        const int left = view.left + static_cast<int>(column) + sway;
        const Rect rect{left, top, left + size, top + size * 2 / 3};
        if (rect.bottom > view.top && rect.top < view.bottom)
            pieces.push_back(ConfettiPiece{rect, piece % kConfettiColours});
    }
    return pieces;
}

namespace {

// The podium's room: the awards' line, with the jury on, below it.
Rect podiumArea(const Layout& layout)
{
    const int awards = layout.jury ? layout.leaderLine.height() : 0;
    return Rect{layout.band.left + layout.pitch, layout.band.bottom + layout.pitch,
                layout.band.right - layout.pitch, layout.column.bottom - awards};
}

}  // namespace

Rect juryFigureRect(const Layout& layout, int figure)
{
    const int line = layout.leaderLine.height();
    const int top = layout.column.bottom - (kJuryFigures - figure) * line;
    return Rect{layout.column.left, top, layout.column.right, top + line};
}

Rect awardRect(const Layout& layout, int award)
{
    const Rect area = podiumArea(layout);
    const int width = std::max(area.width(), 0) / kJuryAwards;
    const int left = area.left + award * width;
    return Rect{left, area.bottom, left + width, layout.column.bottom};
}

Podium podiumLayout(const Layout& layout)
{
    const Rect area = podiumArea(layout);
    const int unit = std::max(area.height(), 0) / 2 / kPodiumUnits;  // blocks take half
    const int width = std::max(area.width(), 0) / kPodiumPlaces;
    // Second, first, third from left to right; the first place the highest.
    constexpr int kColumnOf[kPodiumPlaces] = {1, 0, 2};
    constexpr int kUnitsOf[kPodiumPlaces] = {3, 2, 1};
    Podium podium;
    const int pitch = std::max(layout.pitch, 1);
    podium.nameLines = std::max(1, (area.height() - kUnitsOf[0] * unit) / pitch);
    for (int place = 0; place < kPodiumPlaces; ++place) {
        const int left = area.left + kColumnOf[place] * width;
        const int top = area.bottom - kUnitsOf[place] * unit;
        PodiumPlace& shown = podium.places[place];
        shown.block = Rect{left + layout.pitch / 4, top, left + width - layout.pitch / 4, area.bottom};
        shown.score = Rect{shown.block.left, top, shown.block.right, top + layout.pitch};
        shown.names = Rect{left, top - podium.nameLines * layout.pitch, left + width, top};
    }
    return podium;
}

DuelSideRects duelSideRects(const Layout& layout, int side)
{
    const Rect& column = layout.column;
    const int half = column.width() / 2;
    const int left = column.left + (side == 0 ? 0 : half);
    const int right = side == 0 ? column.left + half : column.right;
    const Rect& number = layout.levelNumber;
    const int nameBottom = number.top + number.height() / 2;
    const int barWidth = std::min(layout.track.width(), half / 2);
    const int barLeft = left + (half - barWidth) / 2;
    return DuelSideRects{Rect{left, number.top, right, nameBottom},
                         Rect{left, nameBottom, right, number.bottom},
                         Rect{barLeft, layout.track.top, barLeft + barWidth, layout.track.bottom}};
}

Rect duelFillRect(const DuelSideRects& side, int level)
{
    return Rect{side.track.left, trackTop(side.track, level), side.track.right, side.track.bottom};
}

}  // namespace stage
