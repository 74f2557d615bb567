// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// Shows text (rich text, so simple HTML is allowed) in a modal warning box titled "Ovatron"
// with a single OK button, and returns once it is dismissed, with the button that closed it
// (QMessageBox::Ok). It stays up until the operator dismisses it, so that nothing is missed
// while attention is on the stage.
int showWarningMessage(const QString& text, QWidget* parent = nullptr);
