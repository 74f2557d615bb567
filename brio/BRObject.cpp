// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRObject.h"

#include "brio/BRStatus.h"

#include <cerrno>
#include <chrono>

namespace brio {
namespace {
// Longer timed waits risk overflowing the clock arithmetic; they are as good as forever.
constexpr std::uint64_t kLongestTimedWaitMs = 10ull * 366 * 24 * 60 * 60 * 1000;
}  // namespace

BRObject::~BRObject() = default;

std::uint32_t BRObject::lockForWriting(std::uint64_t timeout) const
{
    if (timeout > kLongestTimedWaitMs) {
        m_mutex.lock();
    } else if (!m_mutex.try_lock_for(std::chrono::milliseconds(timeout))) {
        br_status_setLastError(ETIMEDOUT);
        return ETIMEDOUT;
    }
    m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    ++m_depth;
    return 0;
}

std::uint32_t BRObject::unlock() const
{
    if (m_owner.load(std::memory_order_relaxed) != std::this_thread::get_id())
        return EPERM;
    if (--m_depth == 0)
        m_owner.store(std::thread::id(), std::memory_order_relaxed);
    m_mutex.unlock();
    return 0;
}

}  // namespace brio
