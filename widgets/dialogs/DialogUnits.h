// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>
#include <QSize>
#include <Qt>

// The program's dialogs keep the proportions they were designed with in dialog units. One
// dialog unit is taken as 1.6 pixels, about what the original 8-point dialog font gave on a
// 96 dpi screen.
constexpr int dialogUnitsToPixels(int units)
{
    return units * 8 / 5;
}

constexpr QSize dialogUnitsToPixels(int width, int height)
{
    return QSize(dialogUnitsToPixels(width), dialogUnitsToPixels(height));
}

// A modal frame with a caption and a close box: no minimise or maximise buttons.
inline constexpr Qt::WindowFlags kModalFrameFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;

// A push button of the templates' standard size, 50 by 14 dialog units.
inline QPushButton* templateButton(const QString& caption, QWidget* parent)
{
    constexpr int kButtonWidth = 50;
    constexpr int kButtonHeight = 14;
    auto* button = new QPushButton(caption, parent);
    button->setMinimumSize(dialogUnitsToPixels(kButtonWidth, kButtonHeight));
    return button;
}
