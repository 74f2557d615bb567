// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoreLocation.h"
#include "store/StoredEvent.h"

#include <QString>

#include <optional>

enum class ExportFormat { Csv, Pdf, Unknown };

// By the file name's extension, .csv or .pdf in any case.
ExportFormat exportFormatFor(const QString& filePath);

struct ExportResult {
    bool succeeded = false;
    QString error;  // one line, for a message box or the terminal
};

// Writes the event's ranked table to filePath as CSV or as a PDF results sheet (A4). The
// file appears whole or not at all. PDF needs a QGuiApplication; the offscreen platform will do.
ExportResult exportResults(const StoredEvent& event, const QString& filePath);

struct CommandLineExport {
    int exitCode = 0;  // 0, or one of the failures below
    QString message;   // one line when the export failed
};

// Exit codes of `ovatron --export FILE`.
constexpr int exportNothingToExport = 1;  // no results file, no event, or it cannot be read
constexpr int exportCannotWrite = 2;      // the file cannot be written or its type is unknown

// The whole of `ovatron --export FILE`: reads the latest event from the results file without
// changing it (a show may be running) and writes it to filePath.
// With round, only the round of that name (a section of the PDF, the CSV's rows of it).
CommandLineExport exportLatestEvent(const QString& filePath,
    const QString& databasePath = defaultDatabasePath(), const QString& round = {});

// The event with only the round called name, or none when it has no such round.
std::optional<StoredEvent> onlyRound(const StoredEvent& event, const QString& name);
