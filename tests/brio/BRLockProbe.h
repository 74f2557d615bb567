// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRObject.h"

#include <cstdint>
#include <future>

namespace brio::test {

// How long another thread tries for a lock that must be out of its reach: a failure to get
// it is the expected outcome, so the wait only needs to be short.
inline constexpr std::uint64_t kBriefWaitMs = 20;
// How long another thread may wait for a lock that must be free: it normally gets it at
// once; the limit only keeps a broken lock from hanging the run.
inline constexpr std::uint64_t kGenerousWaitMs = 10000;

// Whether a thread other than the caller can take object's lock within timeoutMs; one that
// gets it gives it straight back.
inline bool lockableFromAnotherThread(const BRObject& object, std::uint64_t timeoutMs)
{
    return std::async(std::launch::async, [&object, timeoutMs] {
               if (object.lockForWriting(timeoutMs) != 0)
                   return false;
               object.unlock();
               return true;
           })
        .get();
}

}  // namespace brio::test
