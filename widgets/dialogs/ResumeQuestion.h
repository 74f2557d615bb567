// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// "Resume Event": the last event stopped without File > Exit. It names the number of
// contestants and the last one; true for "Resume" (the default), false for "Start New".
bool askToResume(QWidget* parent, int contestants, const QString& lastName);
