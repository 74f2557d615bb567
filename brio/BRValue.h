// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

#include <cstdint>
#include <variant>

namespace brio {

// A value that is either an integer or a text.
class BRValue {
public:
    BRValue(int value);
    BRValue(unsigned value);
    BRValue(const char* text);  // UTF-8; null is the empty text
    BRValue(const BRString& text);

    bool isInteger() const;
    // An integer value as it is; a text that is wholly a decimal integer (optional '-') as
    // that number; any other text 0.
    std::int64_t toInteger() const;
    // A text value as it is; an integer value in decimal.
    BRString toString() const;

private:
    std::variant<std::int64_t, BRString> m_value;
};

}  // namespace brio
