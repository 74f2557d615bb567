// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreLocation.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {

// More than this many unreadable files in one second means something else is wrong.
constexpr int maxMoveAsideAttempts = 100;

// SQLite keeps part of a database beside it; those files belong to the old one.
constexpr std::array companionSuffixes = {"-wal", "-shm", "-journal"};

}  // namespace

QString dataFolder()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return {};
    return dataHome + QStringLiteral("/Ovatron");
}

QString defaultDatabasePath()
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/events.sqlite");
}

QString movedAsideName(const QString& path, const QDateTime& when, int attempt)
{
    QString name = path + QStringLiteral(".unreadable-")
        + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (attempt > 1)
        name += QStringLiteral("-%1").arg(attempt);
    return name;
}

QString moveAside(const QString& path, const QDateTime& when)
{
    for (int attempt = 1; attempt <= maxMoveAsideAttempts; ++attempt) {
        const QString target = movedAsideName(path, when, attempt);
        const bool taken = QFile::exists(target)
            || std::any_of(companionSuffixes.begin(), companionSuffixes.end(),
                [&](const char* suffix) { return QFile::exists(target + QLatin1String(suffix)); });
        if (taken)
            continue;
        if (!QFile::rename(path, target))
            return {};
        for (const char* suffix : companionSuffixes) {
            const QString companion = path + QLatin1String(suffix);
            if (QFile::exists(companion)
                && !QFile::rename(companion, target + QLatin1String(suffix))) {
                // A new file beside the old one's journal would read that journal as its own,
                // so put back what moved and give up.
                for (const char* moved : companionSuffixes)
                    QFile::rename(target + QLatin1String(moved), path + QLatin1String(moved));
                QFile::rename(target, path);
                return {};
            }
        }
        return target;
    }
    return {};
}
