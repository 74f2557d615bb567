// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/TurnCurve.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// One league-table entry as kept in the results file. order counts the contestants of the
// event from 0 in the order they started; it breaks ties between equal scores.
struct StoredEntry {
    QString name;
    int score = 0;
    QDateTime began;
    QDateTime ended;  // invalid while the turn has not ended
    qint64 order = 0;
    std::vector<TurnCurve> curves;  // the turns' curves, first measured first

    friend bool operator==(const StoredEntry&, const StoredEntry&) = default;
};

// One event: a show from its start to File > Exit. entries are those not cleared, best first.
struct StoredEvent {
    qint64 id = 0;
    QDateTime started;
    bool endedCleanly = false;
    QStringList preloadList;
    int preloadPosition = 0;
    std::vector<StoredEntry> entries;
    qint64 nextOrder = 0;  // for the next contestant when resuming; counts cleared entries too
    // Stored curves of the entries that could not be read (missing, too long, or off the
    // scale): they come back as no curve, the scores as stored. See
    // StoreMessages::unreadableCurves for the one notice to show.
    int unreadableCurves = 0;
};

// An event that stopped without File > Exit (a crash, a power cut) and has results is worth
// offering to resume.
inline bool needsResumeOffer(const StoredEvent& event)
{
    return !event.endedCleanly && !event.entries.empty();
}
