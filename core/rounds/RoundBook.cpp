// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/rounds/RoundBook.h"

#include "brio/BRStringQt.h"

#include <algorithm>

namespace rounds {

brio::BRString trimmedName(const brio::BRString& name)
{
    return brio::fromQString(brio::toQString(name).trimmed());
}

RoundBook::RoundBook(const brio::BRString& firstName)
{
    Round first;
    first.name = trimmedName(firstName);
    first.named = false;
    m_rounds.push_back(std::move(first));
}

std::vector<const Round*> RoundBook::rounds() const
{
    std::vector<const Round*> shown;
    for (const Round& round : m_rounds) {
        if (!round.removed)
            shown.push_back(&round);
    }
    return shown;
}

const Round* RoundBook::find(int id) const
{
    const auto found = std::find_if(m_rounds.begin(), m_rounds.end(),
                                    [id](const Round& round) { return round.id == id; });
    return found == m_rounds.end() ? nullptr : &*found;
}

Round* RoundBook::find(int id)
{
    return const_cast<Round*>(std::as_const(*this).find(id));
}

const Round* RoundBook::named(const brio::BRString& name) const
{
    const QString wanted = brio::toQString(trimmedName(name));
    for (const Round& round : m_rounds) {
        if (!round.removed && brio::toQString(round.name) == wanted)
            return &round;
    }
    return nullptr;
}

NameProblem RoundBook::check(const brio::BRString& name, std::optional<int> except) const
{
    const QString trimmed = brio::toQString(name).trimmed();
    if (trimmed.isEmpty())
        return NameProblem::Blank;
    if (trimmed.size() > kLongestName)
        return NameProblem::TooLong;
    const Round* other = named(name);
    if (other && (!except || other->id != *except))
        return NameProblem::Taken;
    return NameProblem::None;
}

int RoundBook::add(const brio::BRString& name)
{
    const int id = m_nextId++;
    Round round;
    round.id = id;
    round.name = trimmedName(name);
    m_rounds.push_back(std::move(round));
    return id;
}

void RoundBook::rename(int id, const brio::BRString& name)
{
    if (Round* round = find(id)) {
        round->name = trimmedName(name);
        round->named = true;
    }
}

void RoundBook::setRemoved(int id, bool removed)
{
    if (Round* round = find(id))
        round->removed = removed;
}

void RoundBook::restore(std::vector<Round> rounds, int current)
{
    if (rounds.empty())
        return;
    m_rounds = std::move(rounds);
    m_current = find(current) ? current : m_rounds.front().id;
    m_nextId = 0;
    for (const Round& round : m_rounds)
        m_nextId = std::max(m_nextId, round.id + 1);
}

namespace {

// The entries as standings, in the order given, each with its clap-off score if it has one.
std::vector<Standing> standingsIn(const std::vector<Score>& entries,
                                  const std::map<std::int64_t, int>& clapOff)
{
    std::vector<Standing> standings;
    standings.reserve(entries.size());
    for (const Score& entry : entries) {
        const auto found = clapOff.find(entry.order);
        standings.push_back(Standing{
            entry.name, entry.score,
            found == clapOff.end() ? std::nullopt : std::optional<int>(found->second),
            entry.order, entry.jury});
    }
    return standings;
}

}  // namespace

RoundStandings standingsOf(const brio::BRString& round, const std::vector<Score>& entries,
                           const std::map<std::int64_t, int>& clapOff)
{
    return RoundStandings{round, rankedWithClapOff(standingsIn(entries, clapOff))};
}

std::vector<Score> orderedWithClapOff(const std::vector<Score>& entries,
                                      const std::map<std::int64_t, int>& clapOff)
{
    return ranking::arranged(ranking::rankTable(rankingRows(standingsIn(entries, clapOff))),
                             entries);
}

std::vector<int> ranksOf(const std::vector<Standing>& ranked)
{
    return ranking::ranksInOrder(rankingRows(ranked));
}

}  // namespace rounds
