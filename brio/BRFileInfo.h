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
};

}  // namespace brio
