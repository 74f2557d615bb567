// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsSheet.h"

#include "core/TurnDetails.h"
#include "store/StoreMessages.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Sizes in points, so that they read the same on any paper and resolution.
constexpr qreal titlePoints = 20.0;
constexpr qreal textPoints = 11.0;
constexpr qreal footPoints = 8.0;
constexpr qreal rowSpacing = 1.4;      // row height in lines of text
constexpr qreal titleGapLines = 1.0;   // space under the date, in lines of text
constexpr qreal columnGapEms = 1.5;
constexpr qreal ruleWidthPoints = 0.75;
constexpr qreal pointsPerInch = 72.0;
constexpr QRgb stripeColour = qRgb(0xee, 0xee, 0xee);  // every other row, to guide the eye
constexpr QRgb inkColour = qRgb(0x00, 0x00, 0x00);
// The small curve beside each score: its width in ems, its height in rows, its lines' widths
// in points; the marked level in a colour that still reads as a lighter line in grey.
constexpr qreal curveWidthEms = 8.0;
constexpr qreal curveHeightRows = 0.7;
constexpr qreal curveLinePoints = 0.75;
constexpr qreal heldPoints = 0.75;
constexpr QRgb curveColour = qRgb(0x1f, 0x5f, 0xbf);
constexpr QRgb heldColour = qRgb(0xd0, 0x30, 0x20);

QFont sheetFont(qreal points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString dateAndTime(const QDateTime& time)
{
    const QDateTime local = time.toLocalTime();
    const QLocale locale;
    return QCoreApplication::translate("ResultsSheet", "%1, %2")
        .arg(locale.toString(local.date(), QLocale::LongFormat),
            locale.toString(local.time(), QLocale::ShortFormat));
}

// Where things go on a page, in device pixels.
struct PageGeometry {
    QRectF page;
    qreal titleHeight = 0;
    qreal subtitleHeight = 0;
    qreal rowHeight = 0;
    qreal tableTop = 0;
    qreal footTop = 0;
    qreal rankRight = 0;
    qreal nameLeft = 0;
    qreal nameRight = 0;
    qreal curveLeft = 0;
    qreal curveRight = 0;
    qreal scoreRight = 0;
    int rowsPerPage = 1;
};

PageGeometry geometryFor(const QPaintDevice& device)
{
    PageGeometry geometry;
    geometry.page = QRectF(0, 0, device.width(), device.height());
    QPaintDevice* metricsDevice = const_cast<QPaintDevice*>(&device);  // only read
    const QFontMetricsF title(sheetFont(titlePoints, true), metricsDevice);
    const QFontMetricsF text(sheetFont(textPoints), metricsDevice);
    const QFontMetricsF bold(sheetFont(textPoints, true), metricsDevice);
    const QFontMetricsF foot(sheetFont(footPoints), metricsDevice);

    geometry.titleHeight = title.lineSpacing();
    geometry.subtitleHeight = text.lineSpacing() * (1.0 + titleGapLines);
    geometry.rowHeight = text.lineSpacing() * rowSpacing;
    geometry.tableTop = geometry.titleHeight + geometry.subtitleHeight + geometry.rowHeight;
    geometry.footTop = geometry.page.height() - foot.lineSpacing();

    const qreal gap = text.horizontalAdvance(QLatin1Char('M')) * columnGapEms;
    const qreal rankWidth = std::max(bold.horizontalAdvance(ResultsSheet::tr("Rank")),
        text.horizontalAdvance(QStringLiteral("00000")));
    const qreal scoreWidth = std::max(bold.horizontalAdvance(ResultsSheet::tr("Score")),
        text.horizontalAdvance(QStringLiteral("000.0")));
    geometry.rankRight = rankWidth;
    geometry.nameLeft = rankWidth + gap;
    geometry.scoreRight = geometry.page.width();
    geometry.curveRight = geometry.scoreRight - scoreWidth - gap;
    geometry.curveLeft =
        geometry.curveRight - text.horizontalAdvance(QLatin1Char('M')) * curveWidthEms;
    geometry.nameRight = geometry.curveLeft - gap;

    const qreal rowSpace = geometry.footTop - geometry.rowHeight - geometry.tableTop;
    geometry.rowsPerPage = std::max(1, static_cast<int>(std::floor(rowSpace / geometry.rowHeight)));
    return geometry;
}

// A row's curve as a small line in its cell, the level it is marked at across it; nothing for
// a row without a curve.
void drawSmallCurve(QPainter& painter, const QRectF& cell, const TurnCurve& curve,
    qreal pointPixels)
{
    if (curve.readings.empty())
        return;
    const qreal height = cell.height() * curveHeightRows;
    const QRectF box(cell.left(), cell.center().y() - height / 2, cell.width(), height);
    const std::vector<QPointF> points = curvePoints(curve.readings, box, curve.readings.size());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal heldY = levelY(markedLevel(curve), box);
    painter.setPen(QPen(QColor(heldColour), heldPoints * pointPixels));
    painter.drawLine(QPointF(box.left(), heldY), QPointF(box.right(), heldY));
    painter.setPen(QPen(QColor(curveColour), curveLinePoints * pointPixels, Qt::SolidLine,
        Qt::RoundCap, Qt::RoundJoin));
    if (points.size() == 1)
        painter.drawPoint(points.front());
    else
        painter.drawPolyline(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    painter.restore();
}

}  // namespace

int sheetPageCount(int rowCount, int rowsPerPage)
{
    if (rowCount <= 0 || rowsPerPage <= 0)
        return 1;
    return (rowCount + rowsPerPage - 1) / rowsPerPage;
}

ResultsSheet::ResultsSheet(const StoredEvent& event, const QDateTime& printed)
    : m_rows(rankedTable(event.entries))
    , m_started(event.started)
    , m_printed(printed)
{
    for (const StoredEntry& entry : event.entries)
        m_curves.push_back(entry.curves.empty() ? TurnCurve{} : entry.curves.back());
    takeJury(event.jury, event.entries, {});
}

ResultsSheet::ResultsSheet(const StoredEvent& event, const StoredRound& round,
    const QString& roundName, const QDateTime& printed)
    : m_started(event.started)
    , m_printed(printed)
    , m_round(roundName)
{
    // Ranked within the round, a clap-off setting the tied apart.
    m_rows = rankedRound(round);
    for (const StoredEntry& entry : round.entries)
        m_curves.push_back(entry.curves.empty() ? TurnCurve{} : entry.curves.back());
    takeJury(event.jury, round.entries, round.clapOff);
}

namespace {

QString points(jury::Hundredths value)
{
    return QLocale::c().toString(static_cast<double>(value) / jury::kPoint, 'g', 6);
}

QString names(const std::vector<StoredEntry>& entries, const std::vector<std::size_t>& rows)
{
    QStringList shown;
    for (const std::size_t row : rows)
        shown << entries[row].name;
    return shown.join(QStringLiteral(", "));
}

}  // namespace

void ResultsSheet::takeJury(const StoredJury& jury, const std::vector<StoredEntry>& entries,
                            const std::map<qint64, int>& clapOff)
{
    const bool weighed = std::any_of(entries.begin(), entries.end(),
                                     [](const StoredEntry& entry) { return entry.jury.has_value(); });
    std::vector<jury::AwardRow> awardRows;
    const std::vector<ranking::Row> ranked = rankingRows(entries, clapOff);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const StoredEntry& entry = entries[index];
        m_scores.push_back(entry.jury ? QString::number(resultOf(entry).tenths / 10.0, 'f', 1)
                                      : QString::number(entry.score));
        if (!weighed)
            continue;
        const std::optional<jury::JuryMark> mark = juryMarkOf(jury, entry.order);
        const std::optional<jury::Hundredths> shown =
            mark && mark->given() ? std::optional(mark->hundredths()) : std::nullopt;
        QStringList parts{tr("applause %1").arg(entry.score)};
        if (jury.rules) {
            for (const QString& judge : jury.rules->judges) {
                const std::optional<jury::JuryMark> given = judgeMarkOf(jury, entry.order, judge);
                parts << tr("%1 %2").arg(judge, given && given->given()
                                                    ? points(given->hundredths())
                                                    : QStringLiteral("\u2013"));
            }
        }
        parts << tr("J %1").arg(shown ? points(*shown) : QStringLiteral("\u2013"));
        m_breakdowns.push_back(parts.join(QStringLiteral(", ")));
        awardRows.push_back(jury::AwardRow{ranked[index], entry.score, shown});
    }
    if (!weighed)
        return;
    const jury::Awards awards = jury::awardsOf(awardRows);
    m_awards << tr("Winners: %1").arg(names(entries, awards.winners));
    if (!awards.judgesChoice.empty())
        m_awards << tr("Judges' Choice: %1 (%2)")
                        .arg(names(entries, awards.judgesChoice),
                             points(awardRows[awards.judgesChoice.front()].jury.value_or(0)));
    if (!awards.peoplesChoice.empty())
        m_awards << tr("People's Choice: %1 (%2)")
                        .arg(names(entries, awards.peoplesChoice))
                        .arg(awardRows[awards.peoplesChoice.front()].applause);
}

int ResultsSheet::rowsPerPage(const QPaintDevice& device) const
{
    // The awards stand under the last page's rows, so every page leaves them room.
    return std::max(1, geometryFor(device).rowsPerPage - static_cast<int>(m_awards.size()));
}

std::vector<ResultsSheet> ResultsSheet::sheetsOf(const StoredEvent& event)
{
    if (!usesRounds(event))
        return {ResultsSheet(event)};
    std::vector<ResultsSheet> sheets;
    for (const StoredRound& round : roundsToExport(event))
        sheets.emplace_back(event, round,
            round.name.isEmpty() ? StoreMessages::firstRoundName() : round.name);
    return sheets;
}

bool ResultsSheet::printAll(const std::vector<ResultsSheet>& sheets, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        if (index > 0)
            device.newPage();
        sheets[index].paint(painter, device);
    }
    return painter.end();
}

int ResultsSheet::pageCount(const QPaintDevice& device) const
{
    return sheetPageCount(static_cast<int>(m_rows.size()), rowsPerPage(device));
}

int ResultsSheet::paint(QPainter& painter, QPagedPaintDevice& device) const
{
    const int pages = pageCount(device);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        paintPage(painter, device, page);
    }
    return pages;
}

void ResultsSheet::paintPage(QPainter& painter, const QPaintDevice& device, int page) const
{
    PageGeometry geometry = geometryFor(device);
    geometry.rowsPerPage = rowsPerPage(device);
    const int rowCount = static_cast<int>(m_rows.size());
    const int pages = sheetPageCount(rowCount, geometry.rowsPerPage);
    const qreal rule = ruleWidthPoints * device.logicalDpiY() / pointsPerInch;
    const qreal pointPixels = device.logicalDpiY() / pointsPerInch;
    const auto alignedRow = [&](qreal top, qreal left, qreal right) {
        return QRectF(left, top, right - left, geometry.rowHeight);
    };
    {
        painter.setPen(QColor(inkColour));

        painter.setFont(sheetFont(titlePoints, true));
        painter.drawText(QRectF(0, 0, geometry.page.width(), geometry.titleHeight),
            Qt::AlignLeft | Qt::AlignVCenter,
            m_round.isEmpty() ? tr("Results") : tr("Results: %1").arg(m_round));
        painter.setFont(sheetFont(textPoints));
        painter.drawText(QRectF(0, geometry.titleHeight, geometry.page.width(),
                             geometry.subtitleHeight),
            Qt::AlignLeft | Qt::AlignTop,
            m_started.isValid() ? tr("Event of %1").arg(dateAndTime(m_started)) : QString());

        const qreal headTop = geometry.tableTop - geometry.rowHeight;
        painter.setFont(sheetFont(textPoints, true));
        painter.drawText(alignedRow(headTop, 0, geometry.rankRight),
            Qt::AlignRight | Qt::AlignVCenter, tr("Rank"));
        painter.drawText(alignedRow(headTop, geometry.nameLeft, geometry.nameRight),
            Qt::AlignLeft | Qt::AlignVCenter, tr("Name"));
        painter.drawText(alignedRow(headTop, geometry.nameRight, geometry.scoreRight),
            Qt::AlignRight | Qt::AlignVCenter, tr("Score"));
        painter.fillRect(QRectF(0, geometry.tableTop - rule, geometry.page.width(), rule),
            QColor(inkColour));

        const QFont rowFont = sheetFont(textPoints);
        const QFontMetricsF rowMetrics(rowFont, const_cast<QPaintDevice*>(&device));
        painter.setFont(rowFont);
        const int first = page * geometry.rowsPerPage;
        const int last = std::min(rowCount, first + geometry.rowsPerPage);
        if (rowCount == 0) {
            painter.drawText(alignedRow(geometry.tableTop, geometry.nameLeft, geometry.nameRight),
                Qt::AlignLeft | Qt::AlignVCenter, tr("No results."));
        }
        for (int index = first; index < last; ++index) {
            const RankedEntry& row = m_rows[static_cast<std::size_t>(index)];
            const qreal top = geometry.tableTop + (index - first) * geometry.rowHeight;
            if ((index - first) % 2 == 1)
                painter.fillRect(alignedRow(top, 0, geometry.scoreRight), QColor(stripeColour));
            painter.drawText(alignedRow(top, 0, geometry.rankRight),
                Qt::AlignRight | Qt::AlignVCenter, QString::number(row.rank));
            const QString breakdown = m_breakdowns.empty()
                ? QString()
                : QStringLiteral("  (") + m_breakdowns[static_cast<std::size_t>(index)] + QLatin1Char(')');
            painter.drawText(alignedRow(top, geometry.nameLeft, geometry.nameRight),
                Qt::AlignLeft | Qt::AlignVCenter,
                rowMetrics.elidedText(row.name + breakdown, Qt::ElideRight,
                    geometry.nameRight - geometry.nameLeft));
            drawSmallCurve(painter, alignedRow(top, geometry.curveLeft, geometry.curveRight),
                m_curves[static_cast<std::size_t>(index)], pointPixels);
            painter.drawText(alignedRow(top, geometry.curveRight, geometry.scoreRight),
                Qt::AlignRight | Qt::AlignVCenter, m_scores[static_cast<std::size_t>(index)]);
        }
        if (page == pages - 1) {
            const qreal awardsTop = geometry.tableTop + (last - first + 1) * geometry.rowHeight;
            for (int line = 0; line < m_awards.size(); ++line)
                painter.drawText(alignedRow(awardsTop + line * geometry.rowHeight, 0, geometry.scoreRight),
                    Qt::AlignLeft | Qt::AlignVCenter, m_awards[line]);
        }

        painter.setFont(sheetFont(footPoints));
        const QRectF foot(0, geometry.footTop, geometry.page.width(),
            geometry.page.height() - geometry.footTop);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
            tr("Printed %1").arg(dateAndTime(m_printed)));
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
            tr("Page %1 of %2").arg(page + 1).arg(pages));
    }
}

bool ResultsSheet::print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter, device);
    return painter.end();
}
