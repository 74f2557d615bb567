// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/UnsavedResultsQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

UnsavedResultsAnswer askAboutUnsavedResults(QWidget* parent)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("unsavedResults"));
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QCoreApplication::translate("UnsavedResultsQuestion", "Results Not Saved"));
    box.setTextFormat(Qt::PlainText);
    box.setText(QCoreApplication::translate(
        "UnsavedResultsQuestion", "Some results of this event are not saved: the disk refuses them."));
    box.setInformativeText(QCoreApplication::translate(
        "UnsavedResultsQuestion", "Export them to another place before closing?"));
    QPushButton* exportButton = box.addButton(
        QCoreApplication::translate("UnsavedResultsQuestion", "Export Results..."),
        QMessageBox::AcceptRole);
    QPushButton* closeButton = box.addButton(
        QCoreApplication::translate("UnsavedResultsQuestion", "Close Without Saving"),
        QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(
        QCoreApplication::translate("UnsavedResultsQuestion", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(exportButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == exportButton)
        return UnsavedResultsAnswer::Export;
    if (box.clickedButton() == closeButton)
        return UnsavedResultsAnswer::CloseWithoutSaving;
    return UnsavedResultsAnswer::Cancel;
}
