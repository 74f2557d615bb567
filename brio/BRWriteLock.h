// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRObject.h"

#include <cstdint>

namespace brio {

// Holds an object's write lock for a scope, so that an exception leaving the scope gives it
// back; release() gives it back early and returns unlock()'s result.
class BRWriteLock {
public:
    explicit BRWriteLock(const BRObject& object) : m_object(&object)
    {
        object.lockForWriting(BR_WAIT_FOREVER);
    }
    BRWriteLock(const BRWriteLock&) = delete;
    BRWriteLock& operator=(const BRWriteLock&) = delete;
    ~BRWriteLock()
    {
        if (m_object)
            m_object->unlock();
    }

    std::uint32_t release()
    {
        const BRObject* object = m_object;
        m_object = nullptr;
        return object ? object->unlock() : 0;
    }

private:
    const BRObject* m_object;
};

}  // namespace brio
