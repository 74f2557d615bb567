// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRArrayExceptions.h"
#include "brio/BRMemoryManager.h"
#include "brio/BRObject.h"
#include "brio/BRStatus.h"
#include "brio/BRWriteLock.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <new>
#include <optional>

namespace brio {

// Where the array's exceptions say they were raised.
namespace brarray {
inline constexpr const char* kSourceFile = "brio/BRArray";
inline constexpr int kLineAllocationFailed = 124;
// Also raised by at() for a position that holds no element.
inline constexpr int kLineNegativeIndex = 151;
inline constexpr int kLineRemoveOutOfRange = 236;
inline constexpr int kLineInsertOutOfRange = 289;

inline constexpr std::uint64_t kFirstBlockBytes = 128;
inline constexpr std::size_t kReservedElements = 8;
}  // namespace brarray

// A growable array: the elements lie one after another in a single block that doubles when
// it runs out of room. Elements are constructed, copied and destroyed in place, never moved
// bytewise, so types that own storage stay intact. Every operation but size() holds the
// object's write lock, which nests, so a caller may hold it around several operations.
//
// A reference into the array stays valid until the block next grows.
template <typename T>
class BRArray : public BRObject {
    static_assert(alignof(T) <= alignof(std::max_align_t),
                  "the memory manager's blocks are aligned for fundamental types only");
    static_assert(sizeof(std::size_t) == sizeof(std::uint64_t));

public:
    // Reserves room for eight elements; throws BRMemoryException when there is none.
    BRArray()
        : memoryManager(BRMemoryManager::getDefaultMemoryManager()), elementSize(sizeof(T))
    {
        ensureCapacity(brarray::kReservedElements);
    }

    // One owner per block.
    BRArray(const BRArray&) = delete;
    BRArray& operator=(const BRArray&) = delete;

    ~BRArray() override
    {
        {
            BRWriteLock lock(*this);
            destroyAll();
        }
        memoryManager->release(data);
    }

    // The element at index; a position at or past the end first appends default elements up
    // to it. A negative index throws BRIndexOutOfBoundsException before anything is locked.
    T& operator[](int index)
    {
        if (index < 0)
            throwIndexOutOfBounds(brarray::kLineNegativeIndex);
        BRWriteLock lock(*this);
        const std::uint64_t position = static_cast<std::uint64_t>(index);
        ensureCapacity(position + 1);
        while (count <= position) {
            new (slot(count)) T();
            ++count;
        }
        lock.release();
        return element(position);
    }

    // Reads an existing element without appending; a position that holds none throws
    // BRIndexOutOfBoundsException (with the line of operator[]'s negative index).
    const T& at(int index) const
    {
        BRWriteLock lock(*this);
        if (index < 0 || static_cast<std::uint64_t>(index) >= count)
            throwIndexOutOfBounds(brarray::kLineNegativeIndex);
        return element(static_cast<std::uint64_t>(index));
    }

    // A plain read, without the lock.
    std::uint64_t size() const { return count; }

    // Destroys every element, the last first; the block stays for refilling.
    virtual std::uint32_t clear()
    {
        BRWriteLock lock(*this);
        destroyAll();
        return lock.release();
    }

    // Removes n elements from pos; a run reaching past the end is cut there. pos must hold
    // an element.
    std::uint32_t remove(int pos, std::size_t n)
    {
        BRWriteLock lock(*this);
        if (pos < 0 || static_cast<std::uint64_t>(pos) >= count)
            throwIndexOutOfBounds(brarray::kLineRemoveOutOfRange);
        const std::uint64_t first = static_cast<std::uint64_t>(pos);
        // Compared with what is left rather than pos + n, which may wrap around.
        const std::uint64_t removed = std::min<std::uint64_t>(n, count - first);
        if (removed == 0)
            return lock.release();
        for (std::uint64_t i = first + removed; i < count; ++i)
            element(i - removed) = element(i);
        for (std::uint64_t i = count - removed; i < count; ++i)
            element(i).~T();
        count -= removed;
        return lock.release();
    }

    // Inserts a copy of value so that it stands at pos; pos == size() appends. value may be
    // an element of this array.
    std::uint32_t insert(const T& value, int pos)
    {
        BRWriteLock lock(*this);
        if (pos < 0 || static_cast<std::uint64_t>(pos) > count)
            throwIndexOutOfBounds(brarray::kLineInsertOutOfRange);
        // Growth and shifting overwrite the elements, so one of our own is copied out first.
        std::optional<T> ownElement;
        if (holds(&value))
            ownElement.emplace(value);
        const T& source = ownElement ? *ownElement : value;

        ensureCapacity(count + 1);
        const std::uint64_t position = static_cast<std::uint64_t>(pos);
        if (position < count) {
            new (slot(count)) T(element(count - 1));
            ++count;
            for (std::uint64_t i = count - 2; i > position; --i)
                element(i) = element(i - 1);
            element(position) = source;
        } else {
            new (slot(count)) T(source);
            ++count;
        }
        return lock.release();
    }

    // Makes room for n elements in all. When the block must grow and no larger one can be
    // had, throws BRMemoryException and leaves the block and the elements as they were.
    std::uint32_t ensureCapacity(std::size_t n)
    {
        BRWriteLock lock(*this);
        if (n > std::numeric_limits<std::uint64_t>::max() / elementSize)
            throwUnrepresentableSize();
        const std::uint64_t needed = elementSize * n;
        if (needed <= capacity)
            return lock.release();

        std::uint64_t newCapacity = capacity == 0 ? brarray::kFirstBlockBytes : capacity;
        while (newCapacity < needed) {
            if (newCapacity > std::numeric_limits<std::uint64_t>::max() / 2)
                throwUnrepresentableSize();
            newCapacity *= 2;
        }
        auto* block = static_cast<std::byte*>(memoryManager->allocate(newCapacity));
        if (!block)
            throw BRMemoryException(brarray::kSourceFile, brarray::kLineAllocationFailed,
                                    br_status_getLastError());
        if (data) {
            copyElementsInto(block);
            memoryManager->release(data);
        }
        data = block;
        capacity = newCapacity;
        return lock.release();
    }

private:
    [[noreturn]] static void throwIndexOutOfBounds(int line)
    {
        throw BRIndexOutOfBoundsException(brarray::kSourceFile, line, br_status_getLastError());
    }

    // A byte count beyond 64 bits is memory that no manager can give.
    [[noreturn]] static void throwUnrepresentableSize()
    {
        br_status_setLastError(ENOMEM);
        throw BRMemoryException(brarray::kSourceFile, brarray::kLineAllocationFailed,
                                br_status_getLastError());
    }

    void* slot(std::uint64_t position) const { return data + position * elementSize; }
    T& element(std::uint64_t position) const
    {
        return *std::launder(static_cast<T*>(slot(position)));
    }

    bool holds(const T* address) const
    {
        const auto* byte = reinterpret_cast<const std::byte*>(address);
        const std::less<const std::byte*> before;
        return data && !before(byte, data) && before(byte, data + count * elementSize);
    }

    void destroyAll()
    {
        while (count > 0) {
            element(count - 1).~T();
            --count;
        }
    }

    // Copies every element into block, then destroys the originals. Should a copy throw,
    // the copies made so far are undone and block is given back: the array is untouched.
    void copyElementsInto(std::byte* block)
    {
        std::uint64_t copied = 0;
        try {
            for (; copied < count; ++copied)
                new (block + copied * elementSize) T(element(copied));
        } catch (...) {
            while (copied > 0) {
                --copied;
                std::launder(reinterpret_cast<T*>(block + copied * elementSize))->~T();
            }
            memoryManager->release(block);
            throw;
        }
        for (std::uint64_t i = 0; i < count; ++i)
            element(i).~T();
    }

    BRMemoryManager* memoryManager = nullptr;
    std::byte* data = nullptr;
    std::uint64_t capacity = 0;     // bytes, not elements
    std::uint64_t elementSize = 0;  // bytes per element
    std::uint64_t count = 0;        // constructed elements
};

}  // namespace brio
