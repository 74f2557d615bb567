// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/ShownFrame.h"

#include "display/LayoutRects.h"

#include <utility>

QRegion ShownFrame::advance(const MeterCore& meter, const QString& preedit, const QRect& client,
                           const FrameLook& look, bool showSelection, const ScoreReveal* hidden,
                           const std::vector<std::int64_t>* pending)
{
    FrameSnapshot now =
        snapshotOf(meter, preedit, toLayoutRect(client), look, showSelection, hidden, pending);
    QRegion changed;
    for (const layout::Rect& rect : changedRects(m_frame, now))
        changed += toQRect(rect);
    m_frame = std::move(now);
    return changed;
}
