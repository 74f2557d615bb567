// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QtGlobal>

// The colour of a frame: the hue walks round the circle in steps that never land on the
// previous frame's hue, so no two frames in a row look alike and Qt cannot skip drawing.
QColor frameColour(quint64 frame);
