// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoredEvent.h"

#include <QString>

#include <vector>

struct RankedEntry {
    int rank = 0;
    QString name;
    int score = 0;

    friend bool operator==(const RankedEntry&, const RankedEntry&) = default;
};

// Standard competition ranking ("1224"): an entry's rank is one more than the number of
// entries with a higher score, so equal scores share a rank and the next rank is skipped.
// The rows keep the order of entries (the table's order).
std::vector<RankedEntry> rankedTable(const std::vector<StoredEntry>& entries);

// A round's entries as roundsToExport orders them, ranked within the round: equal scores share
// a rank unless a clap-off set them apart.
std::vector<RankedEntry> rankedRound(const StoredRound& round);
