// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/TurnCurve.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>
#include <vector>

namespace curveplot {

inline constexpr QSize kMinimumSize(480, 240);
inline constexpr int kMargin = 8;  // around the plot, so a line at 0 or 100 shows whole
inline constexpr int kCurvePen = 3;
inline constexpr int kOtherCurvePen = 2;
inline constexpr int kHeldPen = 2;
inline constexpr int kGridStep = 25;  // a faint line every quarter of the scale
inline constexpr QRgb kBackground = qRgb(0xff, 0xff, 0xff);
inline constexpr QRgb kGrid = qRgb(0xe4, 0xe4, 0xe4);
inline constexpr QRgb kCurve = qRgb(0x1f, 0x5f, 0xbf);
inline constexpr QRgb kOtherCurve = qRgb(0xa8, 0xa8, 0xa8);  // the turns not chosen
inline constexpr QRgb kHeld = qRgb(0xd0, 0x30, 0x20);        // the level the turn is marked at
inline constexpr int kMicrophonePen = 1;
// The chosen turn's microphones, each its own colour, thin and over the room's curve.
inline constexpr std::array<QRgb, 4> kMicrophoneCurves = {
    qRgb(0x2e, 0x9d, 0x4f), qRgb(0xe0, 0x8a, 0x00), qRgb(0x8e, 0x44, 0xad), qRgb(0x17, 0xa2, 0xb8)};

// Where the plot's curves go in a widget of this size.
QRect plotArea(QSize size);
// The colour of a turn's microphone, by its place in the turn's microphones.
QRgb microphoneColour(std::size_t index);

}  // namespace curveplot

// A row's turns drawn large, on one time scale: the chosen turn's curve over the others, and
// the level it is marked at (its score) across the plot. A turn of several microphones has
// each microphone's own curve over the room's, broken where it did not hear.
class CurvePlot : public QWidget {
    Q_OBJECT
public:
    explicit CurvePlot(QWidget* parent = nullptr);

    void setCurves(std::vector<TurnCurve> curves, int chosen);
    QSize sizeHint() const override { return curveplot::kMinimumSize; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBackground(QPainter& painter, const QRect& area) const;
    void drawGrid(QPainter& painter, const QRect& area) const;
    void drawOtherCurves(QPainter& painter, const QRect& area) const;
    void drawMicrophoneCurves(QPainter& painter, const QRect& area) const;
    void drawHeldLevel(QPainter& painter, const QRect& area) const;
    void drawChosenCurve(QPainter& painter, const QRect& area) const;
    void drawCurve(QPainter& painter, const QRect& area, const TurnCurve& curve, QRgb colour,
                   int pen) const;

    std::vector<TurnCurve> m_curves;
    int m_chosen = -1;
    std::size_t m_readingsAcross = 0;  // the longest turn's
};
