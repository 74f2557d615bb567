// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/StageFrame.h"
#include "display/MeterPainter.h"

#include <QFont>

class EventLogo;
class QPainter;
class QRect;
class QRegion;
class QPaintDevice;

// The Stage look's three faces: the event's name, the table's rows, and the large numbers.
struct StageFonts {
    QFont title;
    QFont row;
    QFont large;
    QFont scale;  // the meter's scale and the peak's number
};

// The display font's face and style in the Stage's type sizes, resolved against the device's
// own font (base) for its screen, as a painter on it resolves them.
StageFonts stageFonts(const QFont& display, const stage::TypeSizes& sizes, const QFont& base,
                      const QPaintDevice& device);
// The measured texts the layout makes room for, and the fonts' keys.
stage::TextWidths stageTextWidths(const StageFonts& fonts);
QString stageFontKeys(const StageFonts& fonts);

// Texts laid out once per face and kept between frames.
struct StageTexts {
    MeterTextCache title;
    MeterTextCache row;
    MeterTextCache large;
    MeterTextCache scale;
};

struct StageScene {
    const StageFrame& frame;
    const StageFonts& fonts;
    const EventLogo& logo;
    StageTexts& texts;
};

// Draws the part of the Stage frame in region, covering every pixel of it; inside the region
// the pixels are those of a paint of the whole frame, outside it nothing is touched.
void paintStage(QPainter& painter, const QRegion& region, const StageScene& scene);
