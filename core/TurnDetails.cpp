// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TurnDetails.h"

#include "core/HeldLevel.h"
#include "core/LevelDynamics.h"
#include "core/MeterCore.h"

#include <algorithm>

namespace {

// On the summary screen the turn has ended and its curve is among the finished ones.
bool measuredNow(const MeterCore& meter, int row)
{
    return meter.state() == MeterState::Measuring && row == meter.currentIndex();
}

}  // namespace

bool rowHasCurves(const MeterCore& meter, int row)
{
    // Without the league table there are no rows to choose.
    const LeagueTable& table = meter.leagueTable();
    return meter.useLeagueTable() && table.contains(row) &&
           (measuredNow(meter, row) || !meter.curvesOf(table.entry(row).order).empty());
}

std::optional<RowCurves> rowCurves(const MeterCore& meter, int row)
{
    if (!rowHasCurves(meter, row))
        return std::nullopt;
    const Score& entry = meter.leagueTable().entry(row);
    RowCurves found{entry.order, entry.name, entry.score, meter.curvesOf(entry.order), false};
    if (measuredNow(meter, row)) {
        found.curves.push_back(meter.currentCurve());
        found.underWay = true;
    }
    return found;
}

int markedLevel(const TurnCurve& curve)
{
    if (curve.source.microphone)
        return heldLevelOf(curve.readings);
    const auto highest = std::max_element(curve.readings.begin(), curve.readings.end());
    return highest == curve.readings.end() ? level::kMinimum : int(*highest);
}

std::vector<QPointF> curvePoints(std::span<const std::uint8_t> readings, const QRectF& area,
                                 std::size_t readingsAcross)
{
    const std::size_t across = std::max({readingsAcross, readings.size(), std::size_t(2)});
    const qreal step = area.width() / qreal(across - 1);
    std::vector<QPointF> points;
    points.reserve(readings.size());
    for (std::size_t index = 0; index < readings.size(); ++index)
        points.emplace_back(area.left() + step * qreal(index), levelY(readings[index], area));
    return points;
}

qreal levelY(int level, const QRectF& area)
{
    const int clamped = std::clamp(level, level::kMinimum, level::kMaximum);
    return area.bottom() - area.height() * qreal(clamped - level::kMinimum) /
                               qreal(level::kMaximum - level::kMinimum);
}
