// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Score.h"
#include "core/rounds/RoundBook.h"
#include "store/StoredEvent.h"

#include <vector>

class MeterCore;
class MeterSession;

// The meter's league table as an event to export or print: its entries best first with the
// curves of their finished turns, started at `started`.
StoredEvent resultsOf(const MeterCore& meter, const QDateTime& started);

// A stored event's table as the meter keeps it, best first.
std::vector<Score> scoresOf(const StoredEvent& event);

// A stored event's rounds as the session keeps them, each table ordered with its clap-offs.
std::vector<rounds::Round> roundsOf(const StoredEvent& event);

// The session's event: the current round's table as resultsOf(meter) gives it, and every
// round with its entries and clap-offs (the first unnamed while rounds were never used).
StoredEvent resultsOf(const MeterSession& session, const QDateTime& started);
