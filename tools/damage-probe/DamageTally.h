// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// What the damage probe counts and reports, as plain data and pure arithmetic.

// Redrawn rectangles seen so far and the pixels they cover, overlaps counted each time.
struct DamageTally {
    quint64 rectangles = 0;
    quint64 pixels = 0;
};

// Counts one reported rectangle; an empty one (no width or no height) counts nothing.
void addRectangle(DamageTally& tally, int width, int height);

// Megapixels (10^6 pixels) per second; 0 for a period that is not positive.
double megapixelsPerSecond(quint64 pixels, double seconds);

// How many times per second the whole window was redrawn, in equivalent pixels; 0 when
// the window has no area or the period is not positive.
double fullFramesPerSecond(quint64 pixels, qint64 windowArea, double seconds);

struct DamageSummary {
    unsigned long window = 0;
    int width = 0;
    int height = 0;
    double seconds = 0;
    DamageTally tally;
};

// One "key=value ..." line that scripts read, beginning with "damage".
QString damageLine(const DamageSummary& summary);

struct StartSummary {
    unsigned long window = 0;
    qint64 pid = 0;
    double mapMs = 0;    // from the start of the program to its window being mapped
    double paintMs = 0;  // to the first pixels drawn into that window
};

// One "key=value ..." line that scripts read, beginning with "start".
QString startLine(const StartSummary& summary);
