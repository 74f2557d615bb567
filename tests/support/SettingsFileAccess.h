// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ovatron::test {

// Puts bytes in the store's file as if an earlier run (or a stray editor) had left them.
inline bool writeSettingsFile(const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(settingsFile()).path()))
        return false;
    QFile file(settingsFile());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The store's file as it is on disk; empty when there is none.
inline QByteArray readSettingsFile()
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt keeps a parsed settings file in memory while its size and time stay the same. Moving
// the file's time makes the next reader parse it from disk, as a later run of the program
// would.
inline bool startLaterRun()
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    return file.setFileTime(modified.addSecs(-60), QFileDevice::FileModificationTime);
}

}  // namespace ovatron::test
