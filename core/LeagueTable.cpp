// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LeagueTable.h"

#include "brio/BRWriteLock.h"

#include <algorithm>

int LeagueTable::startContestant(const brio::BRString& name, std::int64_t order)
{
    scoresChanged();
    const int index = count();
    Score& entry = m_entries[index];  // the growing access appends the new entry
    entry.score = 0;
    entry.name = name;
    entry.order = order;
    return index;
}

void LeagueTable::restoreEntry(const Score& entry)
{
    scoresChanged();
    m_entries[count()] = entry;
}

int LeagueTable::moveCurrentEntryUp(int current, int peak)
{
    scoresChanged();
    m_entries[current].score = peak;
    const int position = risenRowPosition(current, rankingRow(m_entries.at(current)),
                                          [this](int index) { return rankingRow(m_entries.at(index)); });
    if (position != current) {
        const Score moving = m_entries.at(current);
        m_entries.remove(current, 1);
        m_entries.insert(moving, position);
    }
    return position;
}

void LeagueTable::reorder(std::vector<Score> entries)
{
    scoresChanged();
    std::stable_sort(entries.begin(), entries.end(), [](const Score& a, const Score& b) {
        return ranking::ranksAbove(rankingRow(a), rankingRow(b));
    });
    m_entries.clear();
    for (const Score& entry : entries)
        m_entries[count()] = entry;
}

void LeagueTable::setJuryOf(int row, const std::optional<jury::JuryStanding>& jury)
{
    scoresChanged();
    m_entries[row].jury = jury;
}

void LeagueTable::clear()
{
    scoresChanged();
    m_entries.clear();
}

int LeagueTable::clearKeeping(int current)
{
    scoresChanged();
    const Score kept = m_entries.at(current);
    m_entries.clear();
    brio::BRWriteLock lock(m_entries);
    m_entries.insert(kept, 0);
    return 0;
}

int LeagueTable::rowOf(std::int64_t order) const
{
    for (int row = 0; row < count(); ++row) {
        if (m_entries.at(row).order == order)
            return row;
    }
    return -1;
}

int LeagueTable::insertRanked(const Score& entry)
{
    scoresChanged();
    const ranking::Row inserted = rankingRow(entry);
    int row = 0;
    while (row < count() && !ranking::listedBefore(inserted, rankingRow(m_entries.at(row))))
        ++row;
    m_entries.insert(entry, row);
    return row;
}

Score LeagueTable::removeAt(int row)
{
    scoresChanged();
    const Score removed = m_entries.at(row);
    m_entries.remove(row, 1);
    return removed;
}

int LeagueTable::rankOf(int row) const
{
    if (m_ranks.empty()) {
        std::vector<ranking::Row> rows;
        rows.reserve(static_cast<std::size_t>(count()));
        for (int index = 0; index < count(); ++index)
            rows.push_back(rankingRow(m_entries.at(index)));
        m_ranks = ranking::ranksInOrder(rows);
    }
    return m_ranks.at(static_cast<std::size_t>(row));
}

int rankOfRow(const LeagueTable& table, int row)
{
    return table.rankOf(row);
}
