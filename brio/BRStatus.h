// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace brio {

// The library's last status code, kept per thread: an operation that fails records its
// reason here (an errno value such as ENOMEM), and a success leaves it as it was.
std::uint32_t br_status_getLastError();
void br_status_setLastError(std::uint32_t code);

}  // namespace brio
