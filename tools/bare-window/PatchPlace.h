// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>
#include <QtGlobal>

// The patch the bare window redraws in its patch mode: about as large as the meter's level
// marker with its number, walking down the window in marker-like steps and starting again at
// the top, so that each frame changes a small place next to the last one.
inline constexpr QSize kPatchSize{240, 60};
inline constexpr int kPatchStep = 9;

// The patch of a frame in a window of this size; inside the window whenever the window can
// hold it (otherwise the window itself).
QRect patchPlace(quint64 frame, QSize window);
