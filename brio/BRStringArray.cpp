// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRStringArray.h"

#include <algorithm>
#include <iterator>
#include <exception>

namespace brio {

BRStringArray::BRStringArray(std::size_t initialSize)
{
    try {
        m_items.reserve(initialSize);
    } catch (const std::exception&) {
        // Only a hint (too large to honour here): the list still grows as strings come.
    }
}

BRStringArray::~BRStringArray() = default;

BRString& BRStringArray::operator[](int index)
{
    return m_items.at(static_cast<std::size_t>(index));
}

const BRString& BRStringArray::operator[](int index) const
{
    return m_items.at(static_cast<std::size_t>(index));
}

void BRStringArray::add(const BRString& text)
{
    m_items.push_back(text);
}

void BRStringArray::clear()
{
    m_items.clear();
}

void BRStringArray::remove(int pos, std::size_t count)
{
    if (pos < 0 || static_cast<std::size_t>(pos) >= m_items.size())
        return;
    const auto first = m_items.begin() + pos;
    const std::size_t removed = std::min(count, m_items.size() - static_cast<std::size_t>(pos));
    m_items.erase(first, first + static_cast<std::ptrdiff_t>(removed));
}

}  // namespace brio
