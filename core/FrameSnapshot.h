// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Score.h"

#include "brio/BRString.h"
#include "core/MeterLayout.h"
#include "core/MeterState.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class MeterCore;

// What changes every pixel of the display when it changes: the font, the colours, the
// pictures' sizes and the text metrics. The view fills it in; here it is only compared.
struct FrameLook {
    QString font;                  // the display font's key (QFont::key)
    std::uint32_t textColor = 0;   // 0xAARRGGBB
    std::uint32_t background = 0;  // 0xAARRGGBB
    layout::MarkerSizes markers;
    layout::TableMetrics text;     // a text line's height and the score column's width
    friend bool operator==(const FrameLook&, const FrameLook&) = default;
};

// One league-table row as shown.
struct ShownRow {
    brio::BRString name;
    int score = 0;
    bool highlighted = false;
    bool selected = false;  // framed, in the operator's display only
    bool hidden = false;    // "?" for the score, in the audience's display only
    std::optional<ranking::Result> result;  // with the jury on, shown in place of the score
    bool pending = false;                   // marking still open: "…" for the result
    friend bool operator==(const ShownRow&, const ShownRow&) = default;
};

// What the meter display shows in one frame, and nothing it does not show: the level and
// peak only while measuring, the typed name and the text being composed only on the name line, the rows only while the
// league table is in use and only those inside the view. Two snapshots tell which pixels
// differ without drawing either frame.
struct FrameSnapshot {
    layout::Rect view;
    FrameLook look;
    MeterState state = MeterState::NameEntry;
    bool useLeagueTable = false;
    int level = 0;
    int peak = 0;
    std::optional<int> countdown;  // whole seconds left of an equal turn, while one runs
    brio::BRString typedName;
    QString preedit;             // an input method's text being composed, after the name
    int firstRow = 0;            // the table index of rows.front()
    std::vector<ShownRow> rows;
    bool levelHidden = false;    // a hidden turn: the markers carry no numbers, no peak shows
};

struct ScoreReveal;

// showSelection: the display is the operator's, which frames the selected row. hidden: the
// audience's, whose rows go in the order audienceRows gives, hidden scores as "?". pending:
// the contestants (orders) whose jury marking is open, their results as "…".
FrameSnapshot snapshotOf(const MeterCore& meter, const QString& preedit, const layout::Rect& view,
                         const FrameLook& look, bool showSelection = false,
                         const ScoreReveal* hidden = nullptr,
                         const std::vector<std::int64_t>* pending = nullptr);

// Whether the entry's result waits for its jury marking to close.
bool resultPending(const Score& entry, const std::vector<std::int64_t>* pending);

// The parts of after.view whose pixels may differ from the frame before: the whole view when
// the view, the look, the state or the table's use changed; otherwise a marker's old and new
// place (its number rides on it), the name line, the countdown when its whole seconds
// change, the score or the name of each row that changed, and the whole row that gained or
// lost the selection's frame. Every rectangle lies inside the view; none when the two frames look alike.
std::vector<layout::Rect> changedRects(const FrameSnapshot& before, const FrameSnapshot& after);
