// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameColour.h"

namespace {

constexpr int kHueCircle = 360;
// Prime to the circle, so every hue comes round before one repeats.
constexpr int kHueStep = 7;
constexpr int kSaturation = 200;
constexpr int kValue = 220;

}  // namespace

QColor frameColour(quint64 frame)
{
    const int hue = int((frame % kHueCircle) * kHueStep % kHueCircle);
    return QColor::fromHsv(hue, kSaturation, kValue);
}
