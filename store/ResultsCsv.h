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

// The ranked table as UTF-8 CSV: the header "rank,name,score", then one row per entry in
// table order, ties sharing a rank; every line ends in CR LF.
QByteArray resultsCsv(const std::vector<StoredEntry>& table);
