// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FrameSnapshot.h"

#include "core/MeterCore.h"
#include "core/ScoreReveal.h"

#include <algorithm>

using layout::Rect;

namespace {

Rect intersected(const Rect& a, const Rect& b)
{
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

bool isEmpty(const Rect& rect)
{
    return rect.width() <= 0 || rect.height() <= 0;
}

// Frames of another size, look or state, or with the table switched, may differ anywhere.
bool sameWholeFrame(const FrameSnapshot& before, const FrameSnapshot& after)
{
    return before.view == after.view && before.look == after.look &&
           before.state == after.state && before.useLeagueTable == after.useLeagueTable &&
           before.levelHidden == after.levelHidden;
}

const ShownRow* rowAt(const FrameSnapshot& frame, int row)
{
    const int index = row - frame.firstRow;
    if (index < 0 || index >= static_cast<int>(frame.rows.size()))
        return nullptr;
    return &frame.rows[static_cast<std::size_t>(index)];
}

// The rectangles of a frame whose pixels differ from an earlier one, each cut to the view.
class ChangedRects {
public:
    explicit ChangedRects(const FrameSnapshot& after) : m_frame(after) {}

    void add(const Rect& rect)
    {
        const Rect inside = intersected(rect, m_frame.view);
        if (!isEmpty(inside))
            m_rects.push_back(inside);
    }

    void addMarkers(const FrameSnapshot& before)
    {
        const bool levelMoved = before.level != m_frame.level;
        const bool peakMoved = before.peak != m_frame.peak;
        if (!levelMoved && !peakMoved)
            return;
        const layout::MeterRects old = meterOf(before);
        const layout::MeterRects now = meterOf(m_frame);
        if (levelMoved) {
            add(old.levelMarker);
            add(now.levelMarker);
        }
        if (peakMoved) {
            add(old.peakMarker);
            add(now.peakMarker);
        }
    }

    // A row's score sits in the score column; its name has the room left of it.
    void addRows(const FrameSnapshot& before)
    {
        const layout::TableMetrics& text = m_frame.look.text;
        const int columnRight = layout::scoreColumnRight(
            m_frame.view, m_frame.state == MeterState::Summary, text.scoreWidth);
        const int first = std::min(before.firstRow, m_frame.firstRow);
        const int end = std::max(before.firstRow + static_cast<int>(before.rows.size()),
                                 m_frame.firstRow + static_cast<int>(m_frame.rows.size()));
        for (int row = first; row < end; ++row) {
            const ShownRow* old = rowAt(before, row);
            const ShownRow* now = rowAt(m_frame, row);
            if (!old && !now)
                continue;
            const bool both = old && now;
            if (both && *old == *now)
                continue;
            const bool recoloured = !both || old->highlighted != now->highlighted;
            const int top = layout::rowTop(m_frame.view, text.rowHeight, row);
            if ((old && old->selected) != (now && now->selected))
                add(layout::rowRect(m_frame.view, columnRight, text, top));
            if (recoloured || old->score != now->score || old->hidden != now->hidden ||
                old->result != now->result || old->pending != now->pending)
                add(layout::scoreRect(columnRight, text, top));
            if (recoloured || old->name != now->name)
                add(layout::nameRect(m_frame.view, columnRight, text, top));
        }
    }

    std::vector<Rect> take() { return std::move(m_rects); }

private:
    static layout::MeterRects meterOf(const FrameSnapshot& frame)
    {
        return layout::meterRects(frame.view, frame.useLeagueTable, frame.look.markers,
                                  frame.look.text.rowHeight, frame.level, frame.peak);
    }

    const FrameSnapshot& m_frame;
    std::vector<Rect> m_rects;
};

}  // namespace

FrameSnapshot snapshotOf(const MeterCore& meter, const QString& preedit, const layout::Rect& view,
                         const FrameLook& look, bool showSelection, const ScoreReveal* hidden,
                         const std::vector<std::int64_t>* pending)
{
    FrameSnapshot frame;
    const bool reordered = hidden && !hidden->hidden.empty();
    const LeagueTable& entries = meter.leagueTable();
    const int current = meter.currentIndex();
    frame.levelHidden =
        reordered && entries.contains(current) && isHidden(*hidden, entries.entry(current).order);
    frame.view = view;
    frame.look = look;
    frame.state = meter.state();
    frame.useLeagueTable = meter.useLeagueTable();
    if (frame.state == MeterState::Measuring) {
        frame.level = meter.level();
        frame.peak = frame.levelHidden ? 0 : meter.peak();
        frame.countdown = meter.countdownSeconds();
    }
    if (!frame.useLeagueTable)
        return frame;
    if (frame.state == MeterState::NameEntry) {
        frame.typedName = meter.typedName();
        frame.preedit = preedit;
    }
    const LeagueTable& table = meter.leagueTable();
    const layout::RowRange rows =
        layout::visibleRows(view, look.text.rowHeight, table.count(), view.top, view.bottom);
    frame.firstRow = rows.first;
    frame.rows.reserve(static_cast<std::size_t>(rows.end - rows.first));
    const std::vector<AudienceRow> order =
        reordered ? audienceRows(table, *hidden) : std::vector<AudienceRow>();
    for (int line = rows.first; line < rows.end; ++line) {
        const int row = reordered ? order[static_cast<std::size_t>(line)].row : line;
        const bool rowHidden = reordered && order[static_cast<std::size_t>(line)].hidden;
        const Score& entry = table.entry(row);
        frame.rows.push_back(ShownRow{entry.name, rowHidden ? 0 : entry.score,
                                      row == meter.currentIndex(),
                                      showSelection && row == meter.selectedRow(), rowHidden,
                                      rowHidden || !entry.jury ? std::nullopt
                                                               : std::optional(resultOf(entry)),
                                      !rowHidden && resultPending(entry, pending)});
    }
    return frame;
}

bool resultPending(const Score& entry, const std::vector<std::int64_t>* pending)
{
    return entry.jury && pending &&
           std::find(pending->begin(), pending->end(), entry.order) != pending->end();
}

std::vector<Rect> changedRects(const FrameSnapshot& before, const FrameSnapshot& after)
{
    ChangedRects changed(after);
    if (!sameWholeFrame(before, after)) {
        changed.add(after.view);
        return changed.take();
    }
    changed.addMarkers(before);
    if (before.countdown != after.countdown)
        changed.add(layout::countdownRect(after.view, after.look.markers, after.look.text.rowHeight));
    if (before.typedName != after.typedName || before.preedit != after.preedit)
        changed.add(layout::nameLineRect(after.view, after.look.text.rowHeight));
    changed.addRows(before);
    return changed.take();
}
