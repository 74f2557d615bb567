// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsExport.h"

#include "store/EventDatabase.h"
#include "store/ResultsCsv.h"
#include "store/StoreMessages.h"
#include "results/ResultsSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr qreal pageMarginMm = 15.0;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

ExportResult failure(const QString& error)
{
    return {false, error};
}

bool writePdf(const StoredEvent& event, QSaveFile& file)
{
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(pageMarginMm, pageMarginMm, pageMarginMm, pageMarginMm),
        QPageLayout::Millimeter);
    writer.setTitle(QCoreApplication::translate("ResultsExport", "Results"));
    writer.setCreator(QStringLiteral("Ovatron"));
    return ResultsSheet::printAll(ResultsSheet::sheetsOf(event), writer);
}

}  // namespace

ExportFormat exportFormatFor(const QString& filePath)
{
    const QString suffix = QFileInfo(filePath).suffix();
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Csv;
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Pdf;
    return ExportFormat::Unknown;
}

ExportResult exportResults(const StoredEvent& event, const QString& filePath)
{
    const ExportFormat format = exportFormatFor(filePath);
    if (format == ExportFormat::Unknown) {
        return failure(QCoreApplication::translate("ResultsExport",
            "Cannot export to %1: the file name must end in .csv or .pdf.")
                .arg(shown(filePath)));
    }
    if (format == ExportFormat::Pdf && !qobject_cast<QGuiApplication*>(qApp)) {
        return failure(QCoreApplication::translate("ResultsExport",
            "Cannot export to %1: PDF needs the graphical part of Ovatron.")
                .arg(shown(filePath)));
    }

    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(QCoreApplication::translate("ResultsExport", "Cannot write %1: %2.")
                           .arg(shown(filePath), file.errorString()));
    }
    bool written = false;
    if (format == ExportFormat::Csv) {
        const QByteArray csv = resultsCsv(event, StoreMessages::firstRoundName());
        written = file.write(csv) == csv.size();
    } else {
        written = writePdf(event, file);
    }
    if (!written || !file.commit()) {
        return failure(QCoreApplication::translate("ResultsExport", "Cannot write %1: %2.")
                           .arg(shown(filePath), file.errorString()));
    }
    return {true, {}};
}

std::optional<StoredEvent> onlyRound(const StoredEvent& event, const QString& name)
{
    for (const StoredRound& round : event.rounds) {
        const QString shownName = round.name.isEmpty() ? StoreMessages::firstRoundName() : round.name;
        if (round.removed || shownName != name.trimmed())
            continue;
        StoredEvent only = event;
        only.rounds = {round};
        only.rounds.front().name = shownName;  // a named round: exported as a round
        only.entries = round.entries;
        return only;
    }
    return std::nullopt;
}

CommandLineExport exportLatestEvent(const QString& filePath, const QString& databasePath,
    const QString& round)
{
    EventDatabase database;
    const StoreStatus status = database.openForReading(databasePath);
    if (status.condition != StoreCondition::ReadOnly)
        return {exportNothingToExport, status.message};
    std::optional<QSqlError> error;
    std::optional<StoredEvent> event = database.latestEvent(error);
    if (!event) {
        return {exportNothingToExport,
            error ? QCoreApplication::translate("ResultsExport", "Cannot read %1: %2.")
                        .arg(shown(databasePath), error->databaseText())
                  : StoreMessages::nothingStored()};
    }
    if (!round.isEmpty()) {
        event = onlyRound(*event, round);
        if (!event)
            return {exportNothingToExport,
                QCoreApplication::translate("ResultsExport", "The latest event has no round called %1.")
                    .arg(round)};
    }
    const ExportResult result = exportResults(*event, filePath);
    if (!result.succeeded)
        return {exportCannotWrite, result.error};
    return {0, {}};
}
