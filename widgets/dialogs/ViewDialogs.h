// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/dialogs/FontDialog.h"

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The modal choosers that the view's commands open. Each returns the confirmed choice, or
// nothing when the operator cancels. Tests replace them to answer without a dialog.
struct ViewDialogs {
    std::function<std::optional<FontChoice>(QWidget* parent, const FontChoice& start)> chooseFont;
    std::function<std::optional<QColor>(QWidget* parent, const QColor& start)> chooseColor;
    // Whole seconds of an equal turn, 0 for turns until Enter.
    std::function<std::optional<int>(QWidget* parent, int start)> chooseTurnSeconds;
    // Whether the contestant of that name is to leave the league table.
    std::function<bool(QWidget* parent, const QString& name)> confirmRemove;
};

// The real dialogs: the font dialog, Qt's colour dialog, the turn length's and the removal
// question.
ViewDialogs standardViewDialogs();
