// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/EventJournal.h"

#include "brio/BRStringQt.h"
#include "show/MeterResults.h"
#include "show/MeterSession.h"
#include "store/EventRecorder.h"
#include "store/StoreMessages.h"

#include <algorithm>

namespace {

brio::BRStringArray waitingNames(const StoredEvent& event)
{
    brio::BRStringArray names;
    for (qsizetype index = std::max(0, event.preloadPosition); index < event.preloadList.size();
         ++index)
        names.add(brio::fromQString(event.preloadList.at(index)));
    return names;
}

// The stored jury back into the session; a judge whose token was not kept gets a new one.
void restoreJury(MeterSession& session, const StoredJury& stored)
{
    std::vector<jury::Judge> judges;
    if (stored.rules) {
        for (qsizetype index = 0; index < stored.rules->judges.size(); ++index) {
            const QString token = index < stored.tokens.size() ? stored.tokens[index] : QString();
            judges.push_back(jury::Judge{stored.rules->judges[index].trimmed(),
                                         token.isEmpty() && stored.tokens.isEmpty()
                                             ? jury::newJudgeToken() : token});
        }
    }
    std::map<std::int64_t, jury::Marking> markings;
    for (const StoredJury::Marking& marking : stored.markings)
        markings[marking.order] = jury::Marking{marking.open, marking.rules, {}, marking.opened};
    std::vector<std::pair<std::int64_t, jury::GivenMark>> marks;
    for (const StoredJury::Mark& mark : stored.marks)
        marks.emplace_back(mark.order, jury::GivenMark{mark.judge, mark.markId, mark.marks, mark.at});
    session.restoreJury(stored.rules, judges, std::move(markings), marks);
}

}  // namespace

EventJournal::EventJournal(EventRecorder& recorder) : m_recorder(recorder), m_journal(recorder)
{
}

void EventJournal::resume(MeterSession& session, const StoredEvent& event)
{
    const std::vector<rounds::Round> rounds = roundsOf(event);
    const auto current = std::find_if(rounds.begin(), rounds.end(), [&event](const rounds::Round& r) {
        return r.id == event.currentRound;
    });
    if (current == rounds.end()) {
        session.restoreEvent(scoresOf(event), waitingNames(event), event.nextOrder);
    } else {
        session.restoreEvent(current->entries, current->waiting, event.nextOrder);
        session.restoreRounds(rounds, event.currentRound);
    }
    for (const StoredRound& round : event.rounds) {
        for (const StoredEntry& entry : round.entries)
            session.meter().restoreCurves(entry.order, entry.curves);
    }
    restoreJury(session, event.jury);
    // The scores stand; the operator hears once that some curves are gone.
    if (event.unreadableCurves > 0)
        emit session.notice(StoreMessages::unreadableCurves());
    if (event.jury.unreadable > 0)
        emit session.notice(StoreMessages::unreadableJury());
    m_recorder.resumeEvent(event.id);
    QStringList waiting = event.preloadList.mid(std::max(0, event.preloadPosition));
    for (const StoredRound& round : event.rounds) {
        if (round.id == event.currentRound)
            waiting = round.waiting;
    }
    m_journal.resumeWithPreloadList(waiting);
}

void EventJournal::attach(MeterSession& session)
{
    session.meter().setJournal(&m_journal);
}

void EventJournal::end(MeterSession& session)
{
    session.meter().setJournal(nullptr);
    m_recorder.eventEnded();
    m_recorder.flush();
}

QString lastContestant(const StoredEvent& event)
{
    const auto last = std::max_element(
        event.entries.begin(), event.entries.end(),
        [](const StoredEntry& a, const StoredEntry& b) { return a.order < b.order; });
    return last == event.entries.end() ? QString() : last->name;
}
