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
