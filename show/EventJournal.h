// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/RecorderJournal.h"
#include "store/StoredEvent.h"

#include <QString>

class EventRecorder;
class MeterSession;

// The results journal's wiring: the session's meter tells the recorder of every change from
// the moment the journal is attached until the event ends, and a stored event comes back into
// the session with the recorder and the journal carrying on where it stopped.
class EventJournal {
public:
    // The recorder must outlive the journal.
    explicit EventJournal(EventRecorder& recorder);

    // Brings the event's table, its turns' curves and waiting names back into the session (a
    // notice when stored curves could not be read); the recorder goes on writing that event.
    void resume(MeterSession& session, const StoredEvent& event);
    // From now on the session's meter is recorded; the journal must stay attached until end().
    void attach(MeterSession& session);
    // File > Exit or the close box: nothing more is recorded, and the event needs no resume
    // offer next time.
    void end(MeterSession& session);

private:
    EventRecorder& m_recorder;
    RecorderJournal m_journal;
};

// The contestant who started last: the one with the highest order of entry.
QString lastContestant(const StoredEvent& event);
