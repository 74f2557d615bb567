// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FrameSnapshot.h"

#include <QRect>
#include <QRegion>

class MeterCore;

// What one display of the meter last asked to show. Each display keeps its own: its size,
// look and screen are its own.
class ShownFrame {
public:
    // The parts of a display of this size and look whose pixels differ from the frame last
    // asked for, empty when none do; the meter's frame is the one asked for from now on.
    QRegion advance(const MeterCore& meter, const QString& preedit, const QRect& client,
                    const FrameLook& look, bool showSelection = false,
                    const ScoreReveal* hidden = nullptr,
                    const std::vector<std::int64_t>* pending = nullptr);

private:
    FrameSnapshot m_frame;
};
