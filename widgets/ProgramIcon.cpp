// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ProgramIcon.h"

#include "display/PngImage.h"

#include <QApplication>
#include <QPixmap>

namespace {
// The sizes a window icon is drawn at (title bar, task bar, switcher). Each is decoded at once
// and sent to the X server with every window, so the large ones, which only the desktop
// entry's installed icons need, are left out.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128};
}  // namespace

std::vector<QImage> programIconPictures()
{
    // Read as the PNGs they are (QIcon::addFile would load every image plugin to ask them).
    std::vector<QImage> pictures;
    for (int size : kIconSizes)
        pictures.push_back(readPng(QStringLiteral(":/icon/ovatron-%1.png").arg(size)));
    return pictures;
}

QIcon programIconOf(const std::vector<QImage>& pictures)
{
    QIcon icon;
    for (const QImage& picture : pictures)
        icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}

QIcon programIcon()
{
    // main() makes it the application's icon first; every window after that shares its
    // decoded pictures rather than keep each size decoded once more.
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    return programIconOf(programIconPictures());
}
