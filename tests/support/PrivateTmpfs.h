// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace ovatron::test {

// A small tmpfs on a folder while the object lives, so that a test can fill its disk or
// turn it read-only for real. It is mounted in a mount namespace of the test process's own,
// which nothing outside sees and which goes with the process: root enters one directly,
// anyone else through a user namespace (only while the process has a single thread). Threads
// started before the first mount keep seeing the folder as it was.
class PrivateTmpfs {
public:
    PrivateTmpfs(const QString& folder, qint64 bytes);
    ~PrivateTmpfs();
    PrivateTmpfs(const PrivateTmpfs&) = delete;
    PrivateTmpfs& operator=(const PrivateTmpfs&) = delete;

    // Why it could not be mounted (the test then skips); empty when it is.
    const QString& failure() const { return m_failure; }

    // A file takes every free byte; makeRoom() removes it.
    bool fill();
    bool makeRoom();
    // Remounts the file system read-only or writable; refused while a file on it is open
    // for writing.
    bool setReadOnly(bool readOnly);

private:
    QString fillerPath() const;

    QString m_folder;
    QString m_failure;
    bool m_mounted = false;
};

}  // namespace ovatron::test
