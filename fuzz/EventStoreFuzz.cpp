// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the results file: opening it to read and taking the latest event never fails
// hard, and neither does opening it for the show, which may move it aside and start anew.
#include "FuzzSupport.h"

#include "core/LevelDynamics.h"
#include "store/EventDatabase.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureCoreApplication();
    const QString folder = scratchFolder() + QStringLiteral("/data/Ovatron");
    QDir(folder).removeRecursively();  // files moved aside by the last run
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/events.sqlite");
    writeWholeFile(path, data, size);

    std::optional<QSqlError> error;
    {
        EventDatabase reading;
        reading.openForReading(path);
        if (const std::optional<StoredEvent> event = reading.latestEvent(error)) {
            const std::vector<ranking::Row> rows = rankingRows(event->entries);
            for (std::size_t i = 0; i < event->entries.size(); ++i) {
                const StoredEntry& entry = event->entries[i];
                if (entry.score < level::kMinimum || entry.score > level::kMaximum)
                    fuzzFailure("a stored score is off the scale");
                if (i > 0 && ranking::ranksAbove(rows[i], rows[i - 1]))
                    fuzzFailure("the stored table is not best first");
            }
        }
    }
    // What start-up does with the same file.
    EventDatabase recording;
    const StoreStatus status = recording.openForRecording(path);
    if (status.saving())
        (void)recording.latestEvent(error);
    return 0;
}
