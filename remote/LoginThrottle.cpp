// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/LoginThrottle.h"

bool LoginThrottle::isBlocked(const QString& address, std::int64_t now)
{
    forgetOld(now);
    const auto found = m_records.find(address);
    return found != m_records.end() && found->second.blockedUntil > now;
}

void LoginThrottle::recordFailure(const QString& address, std::int64_t now)
{
    forgetOld(now);
    Record& record = m_records[address];
    record.failures.push_back(now);
    if (static_cast<int>(record.failures.size()) >= m_maxFailures) {
        record.blockedUntil = now + kWindowMs;
        record.failures.clear();
    }
}

void LoginThrottle::forgetOld(std::int64_t now)
{
    for (auto it = m_records.begin(); it != m_records.end();) {
        Record& record = it->second;
        while (!record.failures.empty() && record.failures.front() <= now - kWindowMs)
            record.failures.pop_front();
        if (record.failures.empty() && record.blockedUntil <= now)
            it = m_records.erase(it);
        else
            ++it;
    }
}
