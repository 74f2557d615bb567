// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The program's icon in all its sizes, from the resources; once the application has a window
// icon (main() gives it this one), that icon, whose pictures are then decoded only once.
QIcon programIcon();
