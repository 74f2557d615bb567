// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any names in the results table: the CSV, read back by a plain RFC 4180 reader, gives every
// name exactly (after the apostrophe that keeps one from starting like a formula), with its
// score, in table order.
#include "FuzzSupport.h"

#include "store/ResultsCsv.h"
#include "store/StoredEvent.h"

#include <cstring>
#include <optional>

namespace {

using Rows = std::vector<QStringList>;

// RFC 4180: records end in CR LF; a field is either bare (no comma, quote, CR or LF) or
// quoted, with quotes inside doubled. nullopt for text that breaks those rules.
std::optional<Rows> readCsv(const QString& text)
{
    Rows rows;
    QStringList row;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i >= n)
                    return std::nullopt;
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\r')) {
                if (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\n'))
                    return std::nullopt;
                field += text[i++];
            }
        }
        if (i < n && text[i] == QLatin1Char(',')) {
            row << field;
            field.clear();
            ++i;
        } else if (i + 1 < n && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n')) {
            row << field;
            field.clear();
            rows.push_back(row);
            row.clear();
            i += 2;
        } else {
            return std::nullopt;  // a record must end in CR LF
        }
    }
    if (!row.isEmpty() || !field.isEmpty())
        return std::nullopt;
    return rows;
}

// The table from the bytes: each entry a score byte, then its name as UTF-8 up to a zero
// byte. Undecodable bytes come out as U+FFFD, as they would from any text the program gets.
std::vector<StoredEntry> tableFrom(const std::uint8_t* data, std::size_t size)
{
    constexpr int kTopScore = 100;
    std::vector<StoredEntry> table;
    std::size_t pos = 0;
    while (pos < size) {
        StoredEntry entry;
        entry.score = data[pos++] % (kTopScore + 1);
        const void* zero = std::memchr(data + pos, 0, size - pos);
        const std::size_t end = zero ? static_cast<const std::uint8_t*>(zero) - data : size;
        entry.name = QString::fromUtf8(reinterpret_cast<const char*>(data + pos),
                                       static_cast<qsizetype>(end - pos));
        entry.order = static_cast<qint64>(table.size());
        table.push_back(entry);
        pos = end + 1;
    }
    // The table as the meter keeps it: best first, ties in order of entry.
    return ranking::arranged(ranking::rankTable(rankingRows(table)), table);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<StoredEntry> table = tableFrom(data, size);
    const QByteArray csv = resultsCsv(table);
    const std::optional<Rows> rows = readCsv(QString::fromUtf8(csv));
    if (!rows)
        fuzzFailure("the export is not RFC 4180 CSV");
    if (rows->size() != table.size() + 1)
        fuzzFailure("the export has a row too many or too few");
    if (rows->front() != QStringList{QStringLiteral("rank"), QStringLiteral("name"), QStringLiteral("score")})
        fuzzFailure("the header is wrong");
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QStringList& row = (*rows)[i + 1];
        if (row.size() != 3)
            fuzzFailure("a row without three fields");
        const QString& name = table[i].name;
        const bool formulaLike = !name.isEmpty()
            && QStringLiteral("=+-@\t\r").contains(name.front());
        if (row[1] != (formulaLike ? QLatin1Char('\'') + name : name))
            fuzzFailure("a name did not come back exactly");
        if (row[2] != QString::number(table[i].score))
            fuzzFailure("a score did not come back");
    }
    return 0;
}
