// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRException.h"

namespace brio {

// A position outside what the operation accepts.
class BRIndexOutOfBoundsException : public BRException {
public:
    BRIndexOutOfBoundsException(const char* sourceFile, int line, std::uint32_t errorCode,
                                const char* message = "")
        : BRException("BRIndexOutOfBoundsException", sourceFile, line, errorCode, message)
    {
    }
    BRIndexOutOfBoundsException(const BRIndexOutOfBoundsException&) = default;
    BRIndexOutOfBoundsException& operator=(const BRIndexOutOfBoundsException&) = default;
};

// A block of memory that could not be had (or whose size cannot even be expressed).
class BRMemoryException : public BRException {
public:
    BRMemoryException(const char* sourceFile, int line, std::uint32_t errorCode,
                      const char* message = "")
        : BRException("BRMemoryException", sourceFile, line, errorCode, message)
    {
    }
    BRMemoryException(const BRMemoryException&) = default;
    BRMemoryException& operator=(const BRMemoryException&) = default;
};

}  // namespace brio
