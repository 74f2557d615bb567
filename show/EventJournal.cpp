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

}  // namespace

EventJournal::EventJournal(EventRecorder& recorder) : m_recorder(recorder), m_journal(recorder)
{
}

void EventJournal::resume(MeterSession& session, const StoredEvent& event)
{
    session.restoreEvent(scoresOf(event), waitingNames(event), event.nextOrder);
    for (const StoredEntry& entry : event.entries)
        session.meter().restoreCurves(entry.order, entry.curves);
    // The scores stand; the operator hears once that some curves are gone.
    if (event.unreadableCurves > 0)
        emit session.notice(StoreMessages::unreadableCurves());
    m_recorder.resumeEvent(event.id);
    m_journal.resumeWithPreloadList(event.preloadList.mid(std::max(0, event.preloadPosition)));
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
