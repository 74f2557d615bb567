// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ViewDialogs.h"

#include "widgets/TurnLengthDialog.h"

#include <QColorDialog>

namespace {

std::optional<FontChoice> runFontDialog(QWidget* parent, const FontChoice& start)
{
    FontDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<QColor> runColorDialog(QWidget* parent, const QColor& start)
{
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<int> runTurnLengthDialog(QWidget* parent, int start)
{
    TurnLengthDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.seconds();
}

}  // namespace

ViewDialogs standardViewDialogs()
{
    return ViewDialogs{runFontDialog, runColorDialog, runTurnLengthDialog};
}
