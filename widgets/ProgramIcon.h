// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

#include <vector>

// The icon's pictures in all its sizes, decoded from the resources; plain images, so they may
// be decoded on any thread.
std::vector<QImage> programIconPictures();
// The icon made of those pictures, for the application.
QIcon programIconOf(const std::vector<QImage>& pictures);

// The program's icon in all its sizes, from the resources; once the application has a window
// icon (main() gives it this one), that icon, whose pictures are then decoded only once.
QIcon programIcon();
