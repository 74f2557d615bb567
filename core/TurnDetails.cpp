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

std::vector<MicrophoneLine> microphoneLines(const TurnCurve& curve)
{
    if (!curve.source.microphone)
        return {};
    if (curve.source.microphones.empty())
        return {MicrophoneLine{{{}, curve.source.inputName, curve.source.floorLufs}, curve.readings,
                               curve.readings.size(), std::nullopt}};
    std::vector<MicrophoneLine> lines;
    for (std::size_t index = 0; index < curve.source.microphones.size(); ++index) {
        MicrophoneLine line{curve.source.microphones[index], {}, 0, std::nullopt};
        if (index < curve.microphoneReadings.size())
            line.readings = curve.microphoneReadings[index];
        line.heard = std::size_t(std::count_if(line.readings.begin(), line.readings.end(),
                                               [](std::uint8_t reading) { return reading != curve::kNotHeard; }));
        const auto lastHeard = std::find_if(line.readings.rbegin(), line.readings.rend(),
                                            [](std::uint8_t reading) { return reading != curve::kNotHeard; });
        if (line.heard > 0 && lastHeard != line.readings.rbegin())
            line.stoppedAfter = curveSeconds({line.readings.data(), std::size_t(line.readings.rend() - lastHeard)});
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::vector<QPointF>> heardStretches(std::span<const std::uint8_t> readings,
                                                 const QRectF& area, std::size_t readingsAcross)
{
    const std::vector<QPointF> points = curvePoints(readings, area, readingsAcross);
    std::vector<std::vector<QPointF>> stretches;
    for (std::size_t index = 0; index < readings.size(); ++index) {
        if (readings[index] == curve::kNotHeard)
            continue;
        if (index == 0 || readings[index - 1] == curve::kNotHeard)
            stretches.emplace_back();
        stretches.back().push_back(points[index]);
    }
    return stretches;
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
