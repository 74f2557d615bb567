// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

// $XDG_DATA_HOME/Ovatron, normally ~/.local/share/Ovatron: the results and the event's logo.
QString dataFolder();

// $XDG_DATA_HOME/Ovatron/events.sqlite, normally ~/.local/share/Ovatron/events.sqlite.
QString defaultDatabasePath();

// The name an unreadable file is kept under: path.unreadable-YYYYMMDD-HHMMSS, with -2, -3...
// after it when an earlier one of the same second is there.
QString movedAsideName(const QString& path, const QDateTime& when, int attempt);

// Renames the file, with its -wal and -shm companions, to the first free movedAsideName, so
// that no byte of it is lost and a new file can take its place. Returns the new name, or an
// empty string when it could not be renamed.
QString moveAside(const QString& path, const QDateTime& when);
