// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TickGapWatch.h"

bool TickGapWatch::tick(Milliseconds now)
{
    const std::optional<Milliseconds> last = m_last;
    m_last = now;
    if (!last || now - *last <= m_largest)
        return false;
    m_largest = now - *last;
    return true;
}
