// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "osc/OscAnnouncer.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"
#include "core/StageFrame.h"

#include <algorithm>

namespace {

constexpr int kPodiumPlaces = 3;

bool turnRuns(const OscFacts& facts) { return facts.measuring && !facts.current.isEmpty(); }

}  // namespace

OscFacts oscFactsOf(const MeterCore& meter, bool winners)
{
    OscFacts facts;
    const LeagueTable& table = meter.leagueTable();
    const bool named = meter.useLeagueTable() && table.contains(meter.currentIndex());
    facts.measuring = meter.state() == MeterState::Measuring && named;
    if (named) {
        const Score& entry = table.entry(meter.currentIndex());
        facts.current = brio::toQString(entry.name);
        facts.score = entry.score;
        facts.leads = facts.measuring && currentLeads(meter);
    }
    facts.countdown = meter.countdownSeconds();
    facts.winners = winners;
    if (meter.useLeagueTable()) {
        for (int row = 0; row < std::min(table.count(), kPodiumPlaces); ++row)
            facts.podium.emplace_back(brio::toQString(table.entry(row).name), table.entry(row).score);
    }
    facts.level = meter.level();
    return facts;
}

std::vector<OscMessage> oscAnnouncements(const OscFacts& before, const OscFacts& now)
{
    std::vector<OscMessage> said;
    const bool sameTurn = turnRuns(before) && turnRuns(now) && before.current == now.current;
    if (turnRuns(before) && !sameTurn) {
        const int score = before.current == now.current ? now.score : before.score;
        said.push_back(OscMessage{"/ovatron/turn/end", {before.current, score}});
    }
    if (turnRuns(now) && !sameTurn)
        said.push_back(OscMessage{"/ovatron/turn/start", {now.current}});
    if (now.leads && !before.leads)
        said.push_back(OscMessage{"/ovatron/leader", {now.current, now.score}});
    if (now.countdown && now.countdown != before.countdown)
        said.push_back(OscMessage{"/ovatron/countdown", {std::int32_t{*now.countdown}}});
    if (now.duelEnded.size() == 2 && before.duelEnded != now.duelEnded) {
        OscMessage ended{"/ovatron/duel/end", {}};
        for (const auto& [name, score] : now.duelEnded) {
            ended.arguments.emplace_back(name);
            ended.arguments.emplace_back(std::int32_t{score});
        }
        said.push_back(std::move(ended));
    }
    if (now.winners && !before.winners) {
        OscMessage winners{"/ovatron/winners", {}};
        for (const auto& [name, score] : now.podium) {
            winners.arguments.emplace_back(name);
            winners.arguments.emplace_back(std::int32_t{score});
        }
        said.push_back(std::move(winners));
    }
    for (const std::pair<QString, int>& marked : now.marked) {
        const auto earlier = std::find_if(before.marked.begin(), before.marked.end(),
                                          [&](const auto& told) { return told.first == marked.first; });
        if (marked.second != (earlier == before.marked.end() ? 0 : earlier->second))
            said.push_back(OscMessage{"/ovatron/jury/marked", {marked.first, std::int32_t{marked.second}}});
    }
    return said;
}

OscMessage oscLevelMessage(int level) { return OscMessage{"/ovatron/level", {std::int32_t{level}}}; }

OscMessage oscTestMessage() { return OscMessage{"/ovatron/test", {QStringLiteral("Ovatron")}}; }
