// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

#include <QString>

namespace brio {

// BRString and QString hold the same UTF-16 units: these copy, they never transcode.
inline QString toQString(const BRString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.wide()), text.length());
}

inline BRString fromQString(const QString& text)
{
    return BRString(reinterpret_cast<const char16_t*>(text.utf16()),
                    static_cast<std::size_t>(text.size()));
}

}  // namespace brio
