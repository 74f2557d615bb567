// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Reads a fuzzer's bytes as a sequence of small decisions. Past the end every read yields
// zero or nothing, so a target never has to check the length itself.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t takeByte();
    std::uint16_t takeUnit();
    // Up to maxUnits UTF-16 units, any of them (lone surrogates and controls too).
    QString takeText(int maxUnits);
    // Whatever is left, as UTF-16 units.
    QString takeRemainingText();

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The process's QCoreApplication, made on first use (Qt SQL and the translator need one).
void ensureCoreApplication();

// A folder of the process's own, removed at exit, with XDG_CONFIG_HOME and XDG_DATA_HOME
// pointing into it so that no target touches the user's files.
const QString& scratchFolder();

// Replaces the file at path with the bytes.
void writeWholeFile(const QString& path, const std::uint8_t* data, std::size_t size);

// Stops the run with a message that libFuzzer reports as a crash, keeping the input.
[[noreturn]] void fuzzFailure(const char* what);
