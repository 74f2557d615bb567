// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRStatus.h"

namespace brio {
namespace {
thread_local std::uint32_t lastError = 0;
}  // namespace

std::uint32_t br_status_getLastError()
{
    return lastError;
}

void br_status_setLastError(std::uint32_t code)
{
    lastError = code;
}

}  // namespace brio
