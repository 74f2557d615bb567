// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/Ranking.h"
#include "store/StoredEvent.h"

#include <QCoreApplication>
#include <QDateTime>

#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// How many pages a table of rowCount rows takes at rowsPerPage a page; one page at least,
// which says that there are no results.
int sheetPageCount(int rowCount, int rowsPerPage);

// The printed results of an event: the title with the event's date, then the ranked table
// (rank, name, the latest turn's curve with its marked level, score), as many pages as it takes on the device's paper, with the column
// heads on every page and the page number and printing date at the foot. The same drawing
// goes to a PDF (QPdfWriter) and to a printer (QPrinter).
class ResultsSheet {
    Q_DECLARE_TR_FUNCTIONS(ResultsSheet)

public:
    explicit ResultsSheet(const StoredEvent& event,
        const QDateTime& printed = QDateTime::currentDateTime());
    // One round's section of an event's sheet, headed with the round's name.
    ResultsSheet(const StoredEvent& event, const StoredRound& round, const QString& roundName,
        const QDateTime& printed = QDateTime::currentDateTime());

    // The sheets to print for an event: one, or a section per round, the latest first.
    static std::vector<ResultsSheet> sheetsOf(const StoredEvent& event);
    // Every sheet of sheets, each beginning on a new page.
    static bool printAll(const std::vector<ResultsSheet>& sheets, QPagedPaintDevice& device);

    // Draws every page through a painter already active on device, starting a new page on
    // the device before each page after the first. Returns the number of pages.
    int paint(QPainter& painter, QPagedPaintDevice& device) const;

    // Paints the whole sheet onto a device of its own; false when the device cannot be
    // painted on (a printer that cannot open its output).
    bool print(QPagedPaintDevice& device) const;

    // One page of the sheet through a painter active on device (any device: the tests draw a
    // page into an image). pageCount says how many there are on that device.
    int pageCount(const QPaintDevice& device) const;
    void paintPage(QPainter& painter, const QPaintDevice& device, int page) const;

    // With a jury: each row's breakdown (applause, each judge's mark, J) beside its name, and
    // the winners, the Judges' Choice and the People's Choice under the table; empty without.
    const std::vector<QString>& breakdowns() const { return m_breakdowns; }
    const QStringList& awards() const { return m_awards; }

private:
    void takeJury(const StoredJury& jury, const std::vector<StoredEntry>& entries,
                  const std::map<qint64, int>& clapOff);
    int rowsPerPage(const QPaintDevice& device) const;

    std::vector<RankedEntry> m_rows;
    std::vector<QString> m_scores;      // each row's score, or with a jury its result
    std::vector<QString> m_breakdowns;  // beside each row's name; empty without a jury
    QStringList m_awards;
    std::vector<TurnCurve> m_curves;  // each row's latest, empty readings for none
    QDateTime m_started;
    QDateTime m_printed;
    QString m_round;  // the section's round, empty for an event without rounds
};
