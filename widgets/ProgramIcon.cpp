// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ProgramIcon.h"

#include <QApplication>

namespace {
constexpr int kIconSizes[] = {16, 32, 48, 64, 96, 128, 256};
}  // namespace

QIcon programIcon()
{
    // main() makes it the application's icon first; every window after that shares its
    // decoded pictures rather than keep each size decoded once more.
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icon/ovatron-%1.png").arg(size), QSize(size, size));
    return icon;
}
