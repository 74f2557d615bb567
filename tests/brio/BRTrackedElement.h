// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRArray.h"

#include <vector>

namespace brio::test {

// An array element that owns heap storage and keeps count of its lifecycle. It remembers its
// own address, so an element that was moved bytewise (memcpy, realloc) is caught the next
// time it is copied, assigned or destroyed.
class Tracked {
public:
    struct Counts {
        int constructed = 0;  // default or from a value
        int copyConstructed = 0;
        int copyAssigned = 0;
        int destroyed = 0;
        int misplaced = 0;  // uses of an object that is not where it was built
        std::vector<int> destroyedValues;

        int alive() const { return constructed + copyConstructed - destroyed; }
    };

    static Counts& counts()
    {
        static Counts all;
        return all;
    }
    static void resetCounts() { counts() = Counts(); }

    Tracked() : m_self(this), m_value(new int(0)) { ++counts().constructed; }
    explicit Tracked(int value) : m_self(this), m_value(new int(value)) { ++counts().constructed; }
    Tracked(const Tracked& other) : m_self(this), m_value(new int(other.value()))
    {
        ++counts().copyConstructed;
    }
    Tracked& operator=(const Tracked& other)
    {
        checkPlace();
        *m_value = other.value();
        ++counts().copyAssigned;
        return *this;
    }
    ~Tracked()
    {
        checkPlace();
        counts().destroyedValues.push_back(*m_value);
        ++counts().destroyed;
        delete m_value;
    }

    int value() const
    {
        checkPlace();
        return *m_value;
    }

private:
    void checkPlace() const
    {
        if (m_self != this)
            ++counts().misplaced;
    }

    const Tracked* m_self;
    int* m_value;
};

// The values of an array's elements, in order.
inline std::vector<int> valuesOf(const BRArray<Tracked>& array)
{
    std::vector<int> values;
    for (int i = 0; i < static_cast<int>(array.size()); ++i)
        values.push_back(array.at(i).value());
    return values;
}

inline void appendValues(BRArray<Tracked>& array, const std::vector<int>& values)
{
    for (int value : values)
        array.insert(Tracked(value), static_cast<int>(array.size()));
}

}  // namespace brio::test
