// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/TurnCurve.h"

#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class MeterCore;

// One row of the league table with the curves of its turns, as Turn Details shows them.
struct RowCurves {
    std::int64_t order = 0;
    brio::BRString name;
    int score = 0;                  // as the table shows it
    std::vector<TurnCurve> curves;  // first measured first; the turn under way last
    bool underWay = false;          // the last curve is still growing
};

// The row's curves: its finished turns, and the turn under way when the row is measured now;
// none for a row the table does not have, or one with no curve that is not measured now, and
// none while the league table is not in use.
std::optional<RowCurves> rowCurves(const MeterCore& meter, int row);
// Whether rowCurves has some for the row, without copying them (the menu rules ask often).
bool rowHasCurves(const MeterCore& meter, int row);

// One microphone of a turn of the room, as Turn Details shows it.
struct MicrophoneLine {
    CurveMicrophone microphone;
    std::vector<std::uint8_t> readings;  // beside the room's; curve::kNotHeard where it did not hear
    std::size_t heard = 0;               // readings it heard
    // When it stopped for good: seconds from the curve's start to the first of the unheard
    // readings that end the curve; none when it heard the last one, or none at all.
    std::optional<double> stoppedAfter;

    friend bool operator==(const MicrophoneLine&, const MicrophoneLine&) = default;
};

// The microphones that measured a turn of the room, in order. A turn from a file from before
// microphones were kept apart had one, which heard what the room's readings show. None for
// the keyboard.
std::vector<MicrophoneLine> microphoneLines(const TurnCurve& curve);

// The level a turn's curve is marked at: the score that turn earned. The room's score is the
// held level of its readings; the keyboard's the highest level, which the readings hold.
int markedLevel(const TurnCurve& curve);

// Where a curve goes in a plot: time from left to right, the level from the foot (0) to the
// top (100) of area. readingsAcross is how many readings the width holds, so that the curves
// of one plot share a time scale; the first reading is on the left edge.
std::vector<QPointF> curvePoints(std::span<const std::uint8_t> readings, const QRectF& area,
                                 std::size_t readingsAcross);
// A microphone's readings as lines: one for each stretch it heard, so that a line breaks
// where it did not hear.
std::vector<std::vector<QPointF>> heardStretches(std::span<const std::uint8_t> readings,
                                                 const QRectF& area, std::size_t readingsAcross);
// The height of a level in area.
qreal levelY(int level, const QRectF& area);
