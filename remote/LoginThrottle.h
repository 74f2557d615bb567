// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <deque>
#include <map>

// Keeps an address that guesses tokens out: after kMaxFailures wrong tokens within a window,
// it is refused for a window. Times are milliseconds on any steady clock.
class LoginThrottle {
public:
    static constexpr int kMaxFailures = 10;
    static constexpr std::int64_t kWindowMs = 60'000;

    LoginThrottle() = default;
    // Another limit, for what else is counted against a name (a judge's marks).
    explicit LoginThrottle(int maxFailures) : m_maxFailures(maxFailures) {}

    bool isBlocked(const QString& address, std::int64_t now);
    void recordFailure(const QString& address, std::int64_t now);

private:
    struct Record {
        std::deque<std::int64_t> failures;  // within the last window, oldest first
        std::int64_t blockedUntil = 0;
    };
    // Forgets what is older than a window, so that the map holds only recent guessers.
    void forgetOld(std::int64_t now);

    int m_maxFailures = kMaxFailures;
    std::map<QString, Record> m_records;
};
