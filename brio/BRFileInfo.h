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
