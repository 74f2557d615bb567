// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DamageTally.h"

void addRectangle(DamageTally& tally, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    ++tally.rectangles;
    tally.pixels += quint64(width) * quint64(height);
}

double megapixelsPerSecond(quint64 pixels, double seconds)
{
    constexpr double kPixelsPerMegapixel = 1e6;
    return seconds > 0 ? double(pixels) / kPixelsPerMegapixel / seconds : 0.0;
}

double fullFramesPerSecond(quint64 pixels, qint64 windowArea, double seconds)
{
    return windowArea > 0 && seconds > 0 ? double(pixels) / double(windowArea) / seconds : 0.0;
}

QString damageLine(const DamageSummary& summary)
{
    const qint64 area = qint64(summary.width) * summary.height;
    return QStringLiteral(
               "damage window=0x%1 width=%2 height=%3 seconds=%4 rectangles=%5 pixels=%6 "
               "mpixels_per_s=%7 full_frames_per_s=%8")
        .arg(summary.window, 0, 16)
        .arg(summary.width)
        .arg(summary.height)
        .arg(summary.seconds, 0, 'f', 3)
        .arg(summary.tally.rectangles)
        .arg(summary.tally.pixels)
        .arg(megapixelsPerSecond(summary.tally.pixels, summary.seconds), 0, 'f', 3)
        .arg(fullFramesPerSecond(summary.tally.pixels, area, summary.seconds), 0, 'f', 2);
}

QString startLine(const StartSummary& summary)
{
    return QStringLiteral("start window=0x%1 pid=%2 map_ms=%3 paint_ms=%4")
        .arg(summary.window, 0, 16)
        .arg(summary.pid)
        .arg(summary.mapMs, 0, 'f', 1)
        .arg(summary.paintMs, 0, 'f', 1);
}
