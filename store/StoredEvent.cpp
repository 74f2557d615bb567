// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoredEvent.h"

#include <algorithm>

namespace {

ranking::Row rankingRow(const StoredEntry& entry, const std::map<qint64, int>& clapOff)
{
    const auto found = clapOff.find(entry.order);
    const std::optional<ranking::Result> clapOffResult = found == clapOff.end()
        ? std::nullopt
        : std::optional(ranking::resultOf(found->second));
    return ranking::Row{resultOf(entry), clapOffResult, entry.order};
}

const StoredJury::Marking* markingOf(const StoredJury& jury, qint64 order)
{
    for (const StoredJury::Marking& marking : jury.markings) {
        if (marking.order == order)
            return &marking;
    }
    return nullptr;
}

bool sameJudge(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Each judge's latest marks of the contestant, in the order the judges first marked.
std::vector<std::pair<QString, jury::JudgeMarks>> latestMarks(const StoredJury& jury, qint64 order)
{
    std::vector<std::pair<QString, jury::JudgeMarks>> latest;
    for (const StoredJury::Mark& mark : jury.marks) {
        if (mark.order != order)
            continue;
        const auto earlier = std::find_if(latest.begin(), latest.end(),
                                          [&](const auto& given) { return sameJudge(given.first, mark.judge); });
        if (earlier == latest.end())
            latest.emplace_back(mark.judge, mark.marks);
        else
            earlier->second = mark.marks;
    }
    return latest;
}

}  // namespace

ranking::Result resultOf(const StoredEntry& entry)
{
    return entry.jury ? ranking::resultOf(entry.score, *entry.jury)
                      : ranking::resultOf(entry.score);
}

std::optional<jury::JuryMark> juryMarkOf(const StoredJury& jury, qint64 order)
{
    const StoredJury::Marking* marking = markingOf(jury, order);
    if (!marking)
        return std::nullopt;
    std::vector<jury::JudgeMarks> marks;
    for (const auto& given : latestMarks(jury, order))
        marks.push_back(given.second);
    const jury::JuryMark mark = jury::juryMarkOf(marking->rules, marks);
    return mark.given() ? std::optional(mark) : std::nullopt;
}

std::optional<jury::JuryMark> judgeMarkOf(const StoredJury& jury, qint64 order,
                                          const QString& judge)
{
    const StoredJury::Marking* marking = markingOf(jury, order);
    if (!marking)
        return std::nullopt;
    for (const auto& given : latestMarks(jury, order)) {
        if (sameJudge(given.first, judge)) {
            const jury::JuryMark mark = jury::juryMarkOf(marking->rules, {given.second});
            return mark.given() ? std::optional(mark) : std::nullopt;
        }
    }
    return std::nullopt;
}

void weighEntries(StoredEvent& event)
{
    if (!event.jury.rules)
        return;
    const jury::JuryRules& rules = *event.jury.rules;
    const auto weigh = [&](std::vector<StoredEntry>& entries) {
        for (StoredEntry& entry : entries) {
            if (entry.clapOff != 0)
                continue;
            const StoredJury::Marking* marking = markingOf(event.jury, entry.order);
            entry.jury = jury::JuryStanding{rules.weights, marking ? marking->rules.max : rules.max,
                                            juryMarkOf(event.jury, entry.order).value_or(jury::JuryMark{})};
        }
        entries = ranking::arranged(ranking::rankTable(rankingRows(entries)), entries);
    };
    weigh(event.entries);
    for (StoredRound& round : event.rounds)
        weigh(round.entries);
}

std::vector<ranking::Row> rankingRows(const std::vector<StoredEntry>& entries,
                                      const std::map<qint64, int>& clapOff)
{
    std::vector<ranking::Row> rows;
    rows.reserve(entries.size());
    for (const StoredEntry& entry : entries)
        rows.push_back(rankingRow(entry, clapOff));
    return rows;
}

bool usesRounds(const StoredEvent& event)
{
    const auto kept = std::count_if(event.rounds.begin(), event.rounds.end(),
                                    [](const StoredRound& round) { return !round.removed; });
    return kept > 1 || std::any_of(event.rounds.begin(), event.rounds.end(),
                                   [](const StoredRound& round) { return !round.name.isEmpty(); });
}

std::vector<StoredRound> roundsToExport(const StoredEvent& event)
{
    std::vector<StoredRound> rounds;
    for (auto round = event.rounds.rbegin(); round != event.rounds.rend(); ++round) {
        if (round->removed)
            continue;
        StoredRound exported = *round;
        exported.entries =
            ranking::arranged(ranking::rankTable(rankingRows(round->entries, round->clapOff)),
                              round->entries);
        rounds.push_back(std::move(exported));
    }
    return rounds;
}
