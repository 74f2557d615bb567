// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brio {

// An ordered list of strings.
class BRStringArray {
public:
    // initialSize is the number of strings to make room for; the array starts empty.
    explicit BRStringArray(std::size_t initialSize = 0);
    virtual ~BRStringArray();

    std::uint64_t size() const { return m_items.size(); }

    // A position that holds no string throws std::out_of_range.
    BRString& operator[](int index);
    const BRString& operator[](int index) const;

    void add(const BRString& text);
    virtual void clear();
    // Removes count strings from pos, cut at the end; a pos that holds no string removes
    // nothing.
    virtual void remove(int pos, std::size_t count);

private:
    std::vector<BRString> m_items;
};

}  // namespace brio
