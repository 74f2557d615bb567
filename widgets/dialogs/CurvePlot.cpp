// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/CurvePlot.h"

#include "core/LevelDynamics.h"
#include "core/TurnDetails.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace curveplot {

QRect plotArea(QSize size)
{
    return QRect(QPoint(0, 0), size).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QRgb microphoneColour(std::size_t index)
{
    return kMicrophoneCurves[index % kMicrophoneCurves.size()];
}

}  // namespace curveplot

using namespace curveplot;

namespace {

// A lone reading is a dot.
void drawLine(QPainter& painter, const std::vector<QPointF>& points)
{
    if (points.size() == 1)
        painter.drawPoint(points.front());
    else if (!points.empty())
        painter.drawPolyline(QPolygonF(QList<QPointF>(points.begin(), points.end())));
}

}  // namespace

CurvePlot::CurvePlot(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(kMinimumSize);
}

void CurvePlot::setCurves(std::vector<TurnCurve> curves, int chosen)
{
    m_curves = std::move(curves);
    m_chosen = chosen >= 0 && chosen < int(m_curves.size()) ? chosen : -1;
    m_readingsAcross = 0;
    for (const TurnCurve& curve : m_curves)
        m_readingsAcross = std::max(m_readingsAcross, curve.readings.size());
    update();
}

void CurvePlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = plotArea(size());
    drawBackground(painter, area);
    drawGrid(painter, area);
    drawOtherCurves(painter, area);
    drawHeldLevel(painter, area);
    drawChosenCurve(painter, area);
    // Thinner and above the room's curve, so that a microphone that heard what the room did
    // shows inside it rather than hidden under it.
    drawMicrophoneCurves(painter, area);
}

void CurvePlot::drawBackground(QPainter& painter, const QRect&) const
{
    painter.fillRect(rect(), QColor(kBackground));
}

void CurvePlot::drawGrid(QPainter& painter, const QRect& area) const
{
    painter.setPen(QPen(QColor(kGrid), 1));
    for (int level = level::kMinimum; level <= level::kMaximum; level += kGridStep) {
        const qreal y = levelY(level, area);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}

void CurvePlot::drawOtherCurves(QPainter& painter, const QRect& area) const
{
    for (int index = 0; index < int(m_curves.size()); ++index) {
        if (index != m_chosen)
            drawCurve(painter, area, m_curves[std::size_t(index)], kOtherCurve, kOtherCurvePen);
    }
}

void CurvePlot::drawMicrophoneCurves(QPainter& painter, const QRect& area) const
{
    if (m_chosen < 0)
        return;
    const std::vector<MicrophoneLine> lines = microphoneLines(m_curves[std::size_t(m_chosen)]);
    if (lines.size() < 2)
        return;  // one microphone is the room's curve itself
    for (std::size_t index = 0; index < lines.size(); ++index) {
        painter.setPen(QPen(QColor(microphoneColour(index)), kMicrophonePen, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        for (const std::vector<QPointF>& stretch : heardStretches(lines[index].readings, area, m_readingsAcross))
            drawLine(painter, stretch);
    }
}

void CurvePlot::drawHeldLevel(QPainter& painter, const QRect& area) const
{
    if (m_chosen < 0 || m_curves[std::size_t(m_chosen)].readings.empty())
        return;
    const qreal y = levelY(markedLevel(m_curves[std::size_t(m_chosen)]), area);
    painter.setPen(QPen(QColor(kHeld), kHeldPen));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

void CurvePlot::drawChosenCurve(QPainter& painter, const QRect& area) const
{
    if (m_chosen >= 0)
        drawCurve(painter, area, m_curves[std::size_t(m_chosen)], kCurve, kCurvePen);
}

void CurvePlot::drawCurve(QPainter& painter, const QRect& area, const TurnCurve& curve,
                          QRgb colour, int pen) const
{
    const std::vector<QPointF> points = curvePoints(curve.readings, area, m_readingsAcross);
    painter.setPen(QPen(QColor(colour), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawLine(painter, points);
}
