// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include <linux/capability.h>

#include <utility>
#include <vector>

class EventRecorder;

namespace ovatron::test {

// Points $XDG_DATA_HOME and $XDG_CONFIG_HOME at temporary folders for the whole run,
// initialises GoogleTest and empties the data folder before every test. Called first thing
// by the test programs' main().
void prepareStoreTests(int& argc, char** argv);

QString dataFolder();    // $XDG_DATA_HOME/Ovatron
QString databasePath();  // the results file the program uses
QString scratchFolder(); // a folder for other files, emptied before every test

// A fixed start for recorded shows, so that stored times can be compared.
QDateTime showStart();

QByteArray fileBytes(const QString& path);
// Runs statements on an SQLite file past the store (the folder made if missing), then closes
// it; a statement that fails fails the test.
void runSql(const QString& path, const QStringList& statements);
void writeFile(const QString& path, const QByteArray& bytes);

// The files the store moved aside in the data folder, full paths (companions excluded).
QStringList movedAsideFiles();

using Contestants = std::vector<std::pair<QString, int>>;

// Starts each contestant in turn (orders from firstOrder on), raises the score and ends the
// turn.
void recordContestants(EventRecorder& recorder, const Contestants& contestants,
    qint64 firstOrder = 0);

// Root ignores file permissions; this drops that power from the calling thread (and the
// threads it starts meanwhile) so read-only files and folders refuse writes as they would
// for the operator. Has no effect for other users, who need none.
class FilePermissionsEnforced {
public:
    FilePermissionsEnforced();
    ~FilePermissionsEnforced();
    FilePermissionsEnforced(const FilePermissionsEnforced&) = delete;
    FilePermissionsEnforced& operator=(const FilePermissionsEnforced&) = delete;

private:
    bool m_dropped = false;
    __user_cap_data_struct m_saved[_LINUX_CAPABILITY_U32S_3] = {};
};

// Whether a file can be created in folder, as a check that a read-only folder is one.
bool canCreateFileIn(const QString& folder);

// Caps the size of any file this process writes, as a full disk would: writes beyond it
// fail with EFBIG instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved = {};
    void (*m_savedHandler)(int) = nullptr;
};

}  // namespace ovatron::test
