// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/ResultsDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

QString chooseExportFile(QWidget* parent)
{
    const QString csv = QCoreApplication::translate("ResultsDialogs", "Spreadsheet (CSV) (*.csv)");
    const QString pdf = QCoreApplication::translate("ResultsDialogs", "Results sheet (PDF) (*.pdf)");
    QString filter = csv;
    QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ResultsDialogs", "Export Results"),
        QDir::home().filePath(QStringLiteral("results.csv")), csv + QStringLiteral(";;") + pdf,
        &filter);
    // A name typed without its extension takes the chosen type's.
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    return path;
}

}  // namespace

ResultsDialogs standardResultsDialogs()
{
    return ResultsDialogs{chooseExportFile, {}};
}
