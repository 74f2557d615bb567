// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoredEvent.h"

#include <QByteArray>
#include <QString>

#include <vector>

// One CSV field as RFC 4180 wants it: quoted when it holds a comma, a double quote, a
// carriage return or a line feed, with its double quotes doubled; otherwise as it is.
QString csvField(const QString& text);

// Text that a spreadsheet opening the CSV would take for a formula (it starts with = + - @, a
// tab or a carriage return) gets a leading apostrophe, so that a contestant's name can never
// run as one; other text is as it is.
QString inertCellText(const QString& text);

// The ranked table as UTF-8 CSV: the header "rank,name,score", then one row per entry in
// table order, ties sharing a rank, names made inert; every line ends in CR LF.
QByteArray resultsCsv(const std::vector<StoredEntry>& table);

// An event's results: as above when it never used rounds (with a jury, see below); otherwise a first column `round`
// and each round's rows, the latest round first, ranked within the round (a clap-off sets the
// tied apart). firstRoundName names a first round that was never renamed.
// While the event's jury is on and weighs anything, `score` is the result (in points, with
// one decimal) and the columns `applause`, one a judge of the set-up headed by her name, and
// `jury` (J) follow it, each mark with up to two decimals and empty where none was given.
QByteArray resultsCsv(const StoredEvent& event, const QString& firstRoundName);
