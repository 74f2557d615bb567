// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ResultsCsv.h"

#include "store/Ranking.h"

#include <QRegularExpression>

namespace {

constexpr QLatin1String lineEnd("\r\n");

// Hundredths of a point as a number with no more decimals than it needs: 7.5, 8.25, 7.
QString pointsText(jury::Hundredths hundredths)
{
    return QString::number(static_cast<double>(hundredths) / jury::kPoint, 'f', 2)
        .remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString markText(const std::optional<jury::JuryMark>& mark)
{
    return mark ? pointsText(mark->hundredths()) : QString();
}

bool juryWeighs(const StoredEvent& event)
{
    return event.jury.rules && event.jury.rules->weights.jury > 0;
}

QString juryHeader(const StoredJury& jury)
{
    QString header = QStringLiteral("score,applause");
    for (const QString& judge : jury.rules->judges)
        header += QLatin1Char(',') + csvField(inertCellText(judge.trimmed()));
    return header + QStringLiteral(",jury");
}

// rank,name,score,applause,the judges' marks,jury of each entry of one round, ranked.
QString juryRows(const std::vector<StoredEntry>& entries, const std::map<qint64, int>& clapOff,
                 const StoredJury& jury, const QString& roundField)
{
    const std::vector<ranking::Row> rows = rankingRows(entries, clapOff);
    QString text;
    for (const ranking::Place& place : ranking::rankTable(rows)) {
        const StoredEntry& entry = entries[place.row];
        text += roundField + QString::number(place.rank) + QLatin1Char(',')
            + csvField(inertCellText(entry.name)) + QLatin1Char(',')
            + QString::number(resultOf(entry).tenths / 10.0, 'f', 1) + QLatin1Char(',')
            + QString::number(entry.score);
        for (const QString& judge : jury.rules->judges)
            text += QLatin1Char(',') + markText(judgeMarkOf(jury, entry.order, judge));
        text += QLatin1Char(',') + markText(juryMarkOf(jury, entry.order)) + lineEnd;
    }
    return text;
}

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
    if (juryWeighs(event) && !usesRounds(event))
        return (QStringLiteral("rank,name,") + juryHeader(event.jury) + lineEnd
                + juryRows(event.entries, {}, event.jury, QString()))
            .toUtf8();
    if (juryWeighs(event)) {
        QString text = QStringLiteral("round,rank,name,") + juryHeader(event.jury) + lineEnd;
        for (const StoredRound& round : roundsToExport(event)) {
            const QString name = round.name.isEmpty() ? firstRoundName : round.name;
            text += juryRows(round.entries, round.clapOff, event.jury,
                             csvField(inertCellText(name)) + QLatin1Char(','));
        }
        return text.toUtf8();
    }
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
