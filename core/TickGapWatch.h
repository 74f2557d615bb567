// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <optional>

// The largest gap between two ticks of a running clock: a gap well above the tick length
// means the meter stood still on screen (a busy event loop, a slow disk, a stalled server).
class TickGapWatch {
public:
    using Milliseconds = std::chrono::milliseconds;

    // True when this tick ends the largest gap seen so far.
    bool tick(Milliseconds now);
    // The clock was stopped on purpose: the time until its next tick is no gap.
    void restart() { m_last.reset(); }
    Milliseconds largest() const { return m_largest; }

private:
    std::optional<Milliseconds> m_last;
    Milliseconds m_largest{0};
};
