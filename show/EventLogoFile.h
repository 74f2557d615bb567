// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Copies the picture into the data folder under a name of the program's own, so that the
// original may move; answers the copy's file name, or an empty one with the reason in
// problem. A picture already there stays as it is.
QString copyEventLogo(const QString& source, QString& problem);
// Where the copy of that name lives.
QString eventLogoPath(const QString& name);
