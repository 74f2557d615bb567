// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/UnsavedResultsQuestion.h"

#include "widgets/dialogs/QuestionBox.h"

#include <QCoreApplication>

namespace {

enum Choice { ExportChoice, CloseChoice, CancelChoice };

}  // namespace

UnsavedResultsAnswer askAboutUnsavedResults(QWidget* parent)
{
    const QuestionText question{
        QStringLiteral("unsavedResults"), QMessageBox::Warning,
        QCoreApplication::translate("UnsavedResultsQuestion", "Results Not Saved"),
        QCoreApplication::translate("UnsavedResultsQuestion",
                                    "Some results of this event are not saved: the disk refuses them."),
        QCoreApplication::translate("UnsavedResultsQuestion",
                                    "Export them to another place before closing?")};
    const int chosen = askQuestion(
        parent, question,
        {{QCoreApplication::translate("UnsavedResultsQuestion", "Export Results..."),
          QMessageBox::AcceptRole},
         {QCoreApplication::translate("UnsavedResultsQuestion", "Close Without Saving"),
          QMessageBox::DestructiveRole},
         {QCoreApplication::translate("UnsavedResultsQuestion", "Cancel"), QMessageBox::RejectRole}},
        ExportChoice, CancelChoice);
    switch (chosen) {
    case ExportChoice:
        return UnsavedResultsAnswer::Export;
    case CloseChoice:
        return UnsavedResultsAnswer::CloseWithoutSaving;
    default:
        return UnsavedResultsAnswer::Cancel;
    }
}
