// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRArray.h"
#include "core/Ranking.h"
#include "core/Score.h"

#include <utility>
#include <vector>

// The event's table, best first as core/Ranking orders it: among equal scores the contestant
// who started earlier stands higher. Lives in memory only.
class LeagueTable {
public:
    int count() const { return static_cast<int>(m_entries.size()); }
    const Score& entry(int index) const { return m_entries.at(index); }
    bool contains(int index) const { return index >= 0 && index < count(); }

    // Appends an entry with score 0 at the end, whatever the scores above it, and returns
    // its index.
    int startContestant(const brio::BRString& name, std::int64_t order = 0);

    // Appends an entry as it stood in a stored event; entries come best first.
    void restoreEntry(const Score& entry);

    // Writes the new peak into the current entry and moves it up past every entry directly
    // above with a strictly lower score; returns the entry's new index.
    int moveCurrentEntryUp(int current, int peak);

    void clear();

    // Gives each entry its jury's part (weigh) and puts the table in the order the results
    // rank it; entries ranking alike keep the order they had, which a clap-off may have set.
    template <typename Weigh>
    void reweigh(Weigh weigh)
    {
        std::vector<Score> entries;
        for (int index = 0; index < count(); ++index) {
            entries.push_back(m_entries.at(index));
            weigh(entries.back());
        }
        reorder(std::move(entries));
    }
    // The entry's jury's part, where the table stands: whoever gives it keeps the order true.
    void setJuryOf(int row, const std::optional<jury::JuryStanding>& jury);

    // The row of the contestant with this order of entry; -1 when the table has none.
    int rowOf(std::int64_t order) const;
    // Puts an entry where its score and order of entry rank it, and returns its row.
    int insertRanked(const Score& entry);
    // Takes the row out; the rows below move up.
    Score removeAt(int row);
    void rename(int row, const brio::BRString& name) { m_entries[row].name = name; }

    // The row's competition rank, as the ranking gives it.
    int rankOf(int row) const;

    // Empties the table but for the entry at current, which becomes the only entry;
    // returns its new index, 0.
    int clearKeeping(int current);

private:
    void scoresChanged() { m_ranks.clear(); }
    void reorder(std::vector<Score> entries);

    brio::BRArray<Score> m_entries;
    // Every row's rank, worked out when first asked for after a change; a tick's rise would
    // otherwise rank the whole table each time.
    mutable std::vector<int> m_ranks;
};

// Where an entry whose row has just risen comes to rest: it passes every entry directly above
// that it now ranks above, so a tie never overtakes.
template <typename RowAt>
int risenRowPosition(int current, const ranking::Row& risen, RowAt rowAt)
{
    int position = current;
    while (position > 0 && ranking::ranksAbove(risen, rowAt(position - 1)))
        --position;
    return position;
}

// The same for a table ranked by the applause alone, whose score has just risen to peak.
template <typename ScoreAt>
int risenPosition(int current, int peak, ScoreAt scoreAt)
{
    return risenRowPosition(current, ranking::Row{ranking::resultOf(peak)}, [&](int index) {
        return ranking::Row{ranking::resultOf(scoreAt(index))};
    });
}

// The competition rank ("1224") of one row of the table.
int rankOfRow(const LeagueTable& table, int row);
