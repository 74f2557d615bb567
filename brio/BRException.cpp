// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRException.h"

namespace brio {
namespace {
std::string textOrEmpty(const char* text)
{
    return text ? std::string(text) : std::string();
}
}  // namespace

BRException::BRException(const char* typeName, const char* sourceFile, int line,
                         std::uint32_t errorCode, const char* message)
    : m_typeName(textOrEmpty(typeName)),
      m_sourceFile(textOrEmpty(sourceFile)),
      m_line(line),
      m_errorCode(errorCode),
      m_message(textOrEmpty(message))
{
}

const char* BRException::what() const noexcept
{
    return m_message.empty() ? m_typeName.c_str() : m_message.c_str();
}

}  // namespace brio
