// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/ViewDialogs.h"

#include "widgets/dialogs/TurnLengthDialog.h"
#include "widgets/dialogs/QuestionBox.h"

#include <QColorDialog>
#include <QCoreApplication>

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

// "Remove" is the default: the operator has already pointed at the row; Esc keeps it.
bool askRemove(QWidget* parent, const QString& name)
{
    const QuestionText question{
        QStringLiteral("removeContestant"), QMessageBox::Question,
        QCoreApplication::translate("ViewDialogs", "Remove Contestant"),
        QCoreApplication::translate("ViewDialogs", "Remove %1 from the league table?").arg(name),
        QString()};
    enum { RemoveChoice, CancelChoice };
    return askQuestion(parent, question,
                       {{QCoreApplication::translate("ViewDialogs", "Remove"),
                         QMessageBox::DestructiveRole},
                        {QCoreApplication::translate("ViewDialogs", "Cancel"),
                         QMessageBox::RejectRole}},
                       RemoveChoice, CancelChoice) == RemoveChoice;
}

}  // namespace

ViewDialogs standardViewDialogs()
{
    return ViewDialogs{runFontDialog, runColorDialog, runTurnLengthDialog, askRemove};
}
