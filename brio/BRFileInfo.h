// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

namespace brio {

// Questions about files on disk.
class BRFileInfo {
public:
    // True when path names an existing regular file (a link to one counts); false for
    // folders, missing or unreadable paths and the empty path. Never throws.
    static bool isFile(const BRString& path);
    // True when a new file can be made in folder right now, tried with a real (and at once
    // removed) file: permissions, a read-only mount and a disk the kernel turned read-only
    // all refuse it, whatever the mount table says.
    static bool folderTakesNewFiles(const BRString& folder);
};

}  // namespace brio
