// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace brio {

// Supplies and takes back raw blocks of memory. The library's containers ask the default
// manager for their storage; a test may put another manager in its place.
class BRMemoryManager {
public:
    BRMemoryManager() = default;
    BRMemoryManager(const BRMemoryManager&) = delete;
    BRMemoryManager& operator=(const BRMemoryManager&) = delete;
    virtual ~BRMemoryManager();

    // A block of at least bytes bytes, aligned for any type, or null (with the status set to
    // ENOMEM) when none can be had. A request for 0 bytes gives a valid, distinct block.
    virtual void* allocate(std::size_t bytes);
    // Takes back a block from allocate(); null is accepted and ignored.
    virtual void release(void* block);

    static BRMemoryManager* getDefaultMemoryManager();
    // Installs manager as the default (not owned); null puts the built-in one back. Blocks
    // go back to the manager that gave them, so containers keep the manager they started with.
    static void setDefaultMemoryManager(BRMemoryManager* manager);
};

}  // namespace brio
