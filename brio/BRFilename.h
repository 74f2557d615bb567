// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

namespace brio {

// Pieces of file paths, as text; nothing here looks at the file system.
class BRFilename {
public:
    enum PathType { Native };

    // a and b joined by one '/': a separator at the end of a or the start of b is not
    // doubled. An empty side gives the other unchanged.
    static BRString concatPaths(const BRString& a, const BRString& b, PathType type = Native);

    // The directory part: "/a/b/c" and "/a/b/c/" give "/a/b", "/a" gives "/", "/" stays "/".
    // A name without any '/' ("c") has no directory part and gives the empty string, which
    // concatPaths joins as nothing, so the result stays relative to the current folder.
    static BRString dirname(const BRString& path);
};

}  // namespace brio
