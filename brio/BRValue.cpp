// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRValue.h"

#include <charconv>
#include <string>

namespace brio {

BRValue::BRValue(int value) : m_value(std::int64_t{value}) {}

BRValue::BRValue(unsigned value) : m_value(std::int64_t{value}) {}

BRValue::BRValue(const char* text) : m_value(BRString(text)) {}

BRValue::BRValue(const BRString& text) : m_value(text) {}

bool BRValue::isInteger() const
{
    return std::holds_alternative<std::int64_t>(m_value);
}

std::int64_t BRValue::toInteger() const
{
    if (const auto* number = std::get_if<std::int64_t>(&m_value))
        return *number;
    const std::string text = std::get<BRString>(m_value).toUtf8();
    std::int64_t parsed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, parsed);
    return error == std::errc() && stop == end ? parsed : 0;
}

BRString BRValue::toString() const
{
    if (const auto* number = std::get_if<std::int64_t>(&m_value))
        return BRString(std::to_string(*number).c_str());
    return std::get<BRString>(m_value);
}

}  // namespace brio
