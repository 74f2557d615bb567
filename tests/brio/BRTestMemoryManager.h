// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRMemoryManager.h"
#include "brio/BRStatus.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brio::test {

// The status a refusing CountingMemoryManager leaves, distinct from any errno value.
inline constexpr std::uint32_t kRefusalStatus = 7001;

// Records every request and hands the granted ones to the built-in manager; refuses
// requests over byteLimit, or all of them while refusing is set.
class CountingMemoryManager : public BRMemoryManager {
public:
    void* allocate(std::size_t bytes) override
    {
        requests.push_back(bytes);
        if (refusing || bytes > byteLimit) {
            br_status_setLastError(kRefusalStatus);
            return nullptr;
        }
        void* block = m_upstream->allocate(bytes);
        if (block) {
            granted.push_back(bytes);
            ++liveBlocks;
        }
        return block;
    }

    void release(void* block) override
    {
        if (block) {
            ++releasedBlocks;
            --liveBlocks;
        }
        m_upstream->release(block);
    }

    std::vector<std::size_t> requests;  // every request, granted or not
    std::vector<std::size_t> granted;
    int releasedBlocks = 0;
    int liveBlocks = 0;
    bool refusing = false;
    std::size_t byteLimit = std::size_t{1} << 24;

private:
    BRMemoryManager* m_upstream = BRMemoryManager::getDefaultMemoryManager();
};

// Makes manager the default for a scope and puts the previous one back on the way out,
// also when a test fails.
class DefaultMemoryManagerScope {
public:
    explicit DefaultMemoryManagerScope(BRMemoryManager& manager)
        : m_previous(BRMemoryManager::getDefaultMemoryManager())
    {
        BRMemoryManager::setDefaultMemoryManager(&manager);
    }
    DefaultMemoryManagerScope(const DefaultMemoryManagerScope&) = delete;
    DefaultMemoryManagerScope& operator=(const DefaultMemoryManagerScope&) = delete;
    ~DefaultMemoryManagerScope() { BRMemoryManager::setDefaultMemoryManager(m_previous); }

private:
    BRMemoryManager* m_previous;
};

}  // namespace brio::test
