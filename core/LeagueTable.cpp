// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LeagueTable.h"

#include "brio/BRWriteLock.h"

int LeagueTable::startContestant(const brio::BRString& name, std::int64_t order)
{
    const int index = count();
    Score& entry = m_entries[index];  // the growing access appends the new entry
    entry.score = 0;
    entry.name = name;
    entry.order = order;
    return index;
}

void LeagueTable::restoreEntry(const Score& entry)
{
    m_entries[count()] = entry;
}

int LeagueTable::moveCurrentEntryUp(int current, int peak)
{
    m_entries[current].score = peak;
    const int position =
        risenPosition(current, peak, [this](int index) { return m_entries.at(index).score; });
    if (position != current) {
        const Score moving = m_entries.at(current);
        m_entries.remove(current, 1);
        m_entries.insert(moving, position);
    }
    return position;
}

void LeagueTable::clear()
{
    m_entries.clear();
}

int LeagueTable::clearKeeping(int current)
{
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
    // Best first, and among equal scores the contestant who started earlier.
    int row = 0;
    while (row < count()) {
        const Score& other = m_entries.at(row);
        if (other.score < entry.score || (other.score == entry.score && other.order > entry.order))
            break;
        ++row;
    }
    m_entries.insert(entry, row);
    return row;
}

Score LeagueTable::removeAt(int row)
{
    const Score removed = m_entries.at(row);
    m_entries.remove(row, 1);
    return removed;
}

int rankOfRow(const LeagueTable& table, int row)
{
    return competitionRank(table.entry(row).score, table.count(),
                           [&](int index) { return table.entry(index).score; });
}
