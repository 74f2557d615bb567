// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRStringArray.h"
#include "core/Score.h"
#include "core/rounds/Advancement.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// The rounds of one event ("Heat 1", "Final"), as plain data. The meter holds the current
// round's table and running order; the book keeps the others' while they wait, and every
// round's name and clap-off scores. Contestants keep their event-wide order of entry, so an
// entry names its round's row wherever it is.
namespace rounds {

// Longest name a round may have, in characters.
constexpr int kLongestName = 60;

struct Round {
    int id = 0;  // stays with the round for the record, whatever its place in the list
    brio::BRString name;
    // False for a first round never given a name: it is called by the default name in the
    // operator's language, whichever language the show is resumed in.
    bool named = true;
    std::vector<Score> entries;   // while not current: its table, best first
    brio::BRStringArray waiting;  // while not current: its running order
    std::map<std::int64_t, int> clapOff;  // the latest clap-off score, by order of entry
    bool removed = false;         // taken out while empty; undo brings it back
    int clapOffsHeld = 0;         // numbers the next clap-off for the record
};

// Why a round name cannot be used, or none when it can.
enum class NameProblem { None, Blank, TooLong, Taken };

class RoundBook {
public:
    explicit RoundBook(const brio::BRString& firstName);

    // Rounds in the order they were made, without those removed.
    std::vector<const Round*> rounds() const;
    const Round& current() const { return *find(m_current); }
    Round& current() { return *find(m_current); }
    int currentId() const { return m_current; }
    const Round* find(int id) const;
    Round* find(int id);
    // The round of that name (not removed), compared as typed.
    const Round* named(const brio::BRString& name) const;

    // The name trimmed, or why it cannot name a round; `except` may keep its own name.
    NameProblem check(const brio::BRString& name, std::optional<int> except = std::nullopt) const;

    // A new round after the others (the name checked first); answers its id.
    int add(const brio::BRString& name);
    void rename(int id, const brio::BRString& name);
    void setRemoved(int id, bool removed);
    void setCurrent(int id) { m_current = id; }
    // Brings back stored rounds as they were; the current one must be among them.
    void restore(std::vector<Round> rounds, int current);
    int nextId() const { return m_nextId; }

private:
    std::vector<Round> m_rounds;
    int m_current = 0;
    int m_nextId = 1;
};

// The name as it will be kept: without spaces at either end.
brio::BRString trimmedName(const brio::BRString& name);

// A round's standings best first, its clap-off scores set apart among the tied.
RoundStandings standingsOf(const brio::BRString& round, const std::vector<Score>& entries,
                           const std::map<std::int64_t, int>& clapOff);

// The entries in the order of their standings: the tied a clap-off set apart in its order.
std::vector<Score> orderedWithClapOff(const std::vector<Score>& entries,
                                      const std::map<std::int64_t, int>& clapOff);

// Competition ranks ("1224") of standings ranked with rankedWithClapOff: those a clap-off set
// apart get ranks of their own.
std::vector<int> ranksOf(const std::vector<Standing>& ranked);

// A round is done when it has scores and nobody waits in its running order.
inline bool isDone(const std::vector<Score>& entries, int waiting)
{
    return !entries.empty() && waiting == 0;
}

}  // namespace rounds
