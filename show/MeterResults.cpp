// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/MeterResults.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"
#include "show/MeterSession.h"

StoredEvent resultsOf(const MeterCore& meter, const QDateTime& started)
{
    StoredEvent event;
    event.started = started;
    const LeagueTable& table = meter.leagueTable();
    for (int row = 0; row < table.count(); ++row) {
        const Score& score = table.entry(row);
        StoredEntry entry;
        entry.name = brio::toQString(score.name);
        entry.score = score.score;
        entry.order = score.order;
        entry.curves = meter.curvesOf(score.order);
        event.entries.push_back(entry);
    }
    return event;
}

std::vector<Score> scoresOf(const StoredEvent& event)
{
    std::vector<Score> scores;
    scores.reserve(event.entries.size());
    for (const StoredEntry& entry : event.entries)
        scores.push_back(Score{brio::fromQString(entry.name), entry.score, entry.order});
    return scores;
}

std::vector<rounds::Round> roundsOf(const StoredEvent& event)
{
    std::vector<rounds::Round> result;
    for (const StoredRound& stored : event.rounds) {
        rounds::Round round;
        round.id = stored.id;
        round.name = brio::fromQString(stored.name);
        round.removed = stored.removed;
        round.clapOff.insert(stored.clapOff.begin(), stored.clapOff.end());
        round.clapOffsHeld = stored.clapOffsHeld;
        for (const QString& name : stored.waiting)
            round.waiting.add(brio::fromQString(name));
        std::vector<Score> entries;
        for (const StoredEntry& entry : stored.entries)
            entries.push_back(Score{brio::fromQString(entry.name), entry.score, entry.order});
        round.entries = rounds::orderedWithClapOff(entries, round.clapOff);
        result.push_back(std::move(round));
    }
    return result;
}

StoredEvent resultsOf(const MeterSession& session, const QDateTime& started)
{
    StoredEvent event = resultsOf(session.meter(), started);
    if (session.clapOffRunning())
        event.entries.clear();
    for (const rounds::Round* round : session.roundBook().rounds()) {
        StoredRound stored;
        stored.id = round->id;
        // Its identity is its id: a round never named is stored without a name.
        stored.name = round->named ? brio::toQString(round->name) : QString();
        stored.clapOff.insert(round->clapOff.begin(), round->clapOff.end());
        for (const Score& score : session.entriesOf(round->id)) {
            StoredEntry entry;
            entry.name = brio::toQString(score.name);
            entry.score = score.score;
            entry.order = score.order;
            entry.round = round->id;
            entry.curves = session.meter().curvesOf(score.order);
            stored.entries.push_back(entry);
            if (session.clapOffRunning() && round->id == session.roundBook().currentId())
                event.entries.push_back(entry);
        }
        event.rounds.push_back(stored);
    }
    event.currentRound = session.roundBook().currentId();
    return event;
}
