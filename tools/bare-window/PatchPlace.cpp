// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PatchPlace.h"

QRect patchPlace(quint64 frame, QSize window)
{
    if (window.width() < kPatchSize.width() || window.height() < kPatchSize.height())
        return QRect(QPoint(0, 0), window);
    const int left = (window.width() - kPatchSize.width()) / 2;
    const quint64 places = quint64(window.height() - kPatchSize.height()) / kPatchStep + 1;
    const int top = int(frame % places) * kPatchStep;
    return QRect(QPoint(left, top), kPatchSize);
}
