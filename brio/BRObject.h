// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

namespace brio {

// A lock timeout with all bits set: wait without limit.
inline constexpr std::uint64_t BR_WAIT_FOREVER = ~0ull;

// Root class of the library's objects: each carries its own re-entrant lock.
class BRObject {
public:
    BRObject() = default;
    // A copy is a new object with a lock of its own, unlocked; the lock is never copied.
    BRObject(const BRObject&) noexcept {}
    BRObject& operator=(const BRObject&) noexcept { return *this; }
    virtual ~BRObject();

    // Takes the object's lock; the thread that holds it may take it again, and must give it
    // back as many times. timeout is in milliseconds; BR_WAIT_FOREVER (and anything beyond ten
    // years) waits without limit.
    // Returns 0 once locked, ETIMEDOUT (also set as the status) when the time ran out.
    virtual std::uint32_t lockForWriting(std::uint64_t timeout) const;
    // Gives back one level of the lock. Returns 0, or EPERM (and changes nothing) when the
    // calling thread does not hold the lock.
    virtual std::uint32_t unlock() const;

private:
    mutable std::recursive_timed_mutex m_mutex;
    // Who holds the lock and how often, so that an unmatched unlock() is refused rather than
    // undefined. m_depth is only touched by the holder.
    mutable std::atomic<std::thread::id> m_owner{};
    mutable std::uint64_t m_depth = 0;
};

}  // namespace brio
