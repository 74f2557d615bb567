// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// Reads one of the program's own pictures, all PNG, as the PNG it is; a null image when it
// cannot. A reader left to find the format itself first loads every image plugin (GIF, ICO,
// JPEG, SVG) to ask each of them, which would cost every start.
QImage readPng(const QString& path);
