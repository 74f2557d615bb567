// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ResultsCsv.h"

#include "store/Ranking.h"

namespace {

constexpr QLatin1String lineEnd("\r\n");

}  // namespace

QString inertCellText(const QString& text)
{
    static constexpr QLatin1String formulaStarts("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

QString csvField(const QString& text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray resultsCsv(const std::vector<StoredEntry>& table)
{
    QString text = QStringLiteral("rank,name,score") + lineEnd;
    for (const RankedEntry& row : rankedTable(table)) {
        text += QString::number(row.rank) + QLatin1Char(',') + csvField(inertCellText(row.name))
            + QLatin1Char(',') + QString::number(row.score) + lineEnd;
    }
    return text.toUtf8();
}

QByteArray resultsCsv(const StoredEvent& event, const QString& firstRoundName)
{
    if (!usesRounds(event))
        return resultsCsv(event.entries);
    QString text = QStringLiteral("round,rank,name,score") + lineEnd;
    for (const StoredRound& round : roundsToExport(event)) {
        const QString name = round.name.isEmpty() ? firstRoundName : round.name;
        for (const RankedEntry& row : rankedRound(round)) {
            text += csvField(inertCellText(name)) + QLatin1Char(',') + QString::number(row.rank)
                + QLatin1Char(',') + csvField(inertCellText(row.name)) + QLatin1Char(',')
                + QString::number(row.score) + lineEnd;
        }
    }
    return text.toUtf8();
}
