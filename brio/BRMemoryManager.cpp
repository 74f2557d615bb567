// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRMemoryManager.h"

#include "brio/BRStatus.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace brio {
namespace {
// No object may be larger than the difference of two pointers can express.
constexpr std::size_t kLargestBlock = static_cast<std::size_t>(PTRDIFF_MAX);

std::atomic<BRMemoryManager*> installedManager{nullptr};

BRMemoryManager* builtInManager()
{
    // Never destroyed: containers in static objects may give their blocks back during exit.
    static BRMemoryManager* const manager = new BRMemoryManager;
    return manager;
}
}  // namespace

BRMemoryManager::~BRMemoryManager() = default;

void* BRMemoryManager::allocate(std::size_t bytes)
{
    // malloc's blocks are aligned for every fundamental type (alignof(std::max_align_t)).
    void* block = bytes <= kLargestBlock ? std::malloc(bytes == 0 ? 1 : bytes) : nullptr;
    if (!block)
        br_status_setLastError(ENOMEM);
    return block;
}

void BRMemoryManager::release(void* block)
{
    std::free(block);
}

BRMemoryManager* BRMemoryManager::getDefaultMemoryManager()
{
    BRMemoryManager* manager = installedManager.load();
    return manager ? manager : builtInManager();
}

void BRMemoryManager::setDefaultMemoryManager(BRMemoryManager* manager)
{
    installedManager.store(manager);
}

}  // namespace brio
