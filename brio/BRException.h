// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace brio {

// Root of the library's exceptions. Each carries the name of its class, where it was thrown
// and the library's status code at that moment. Thrown by value, copied freely.
class BRException : public std::exception {
public:
    BRException(const BRException&) = default;
    BRException& operator=(const BRException&) = default;
    ~BRException() override = default;

    // The message, or the type name when the message is empty.
    const char* what() const noexcept override;

    const std::string& typeName() const { return m_typeName; }
    const std::string& sourceFile() const { return m_sourceFile; }
    int line() const { return m_line; }
    std::uint32_t errorCode() const { return m_errorCode; }
    const std::string& message() const { return m_message; }

protected:
    // Null texts are taken as empty.
    BRException(const char* typeName, const char* sourceFile, int line, std::uint32_t errorCode,
                const char* message);

private:
    std::string m_typeName;
    std::string m_sourceFile;
    int m_line;
    std::uint32_t m_errorCode;
    std::string m_message;
};

}  // namespace brio
