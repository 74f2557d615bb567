// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ovatron::test {

// More ticks than any climb or fall of the meter takes (0 to 100 is 72 ticks, back down 100).
// A loop that waits for the meter to reach a state stops after this many and fails the test,
// so a broken meter fails at once instead of spinning until the test runner's timeout.
inline constexpr int kTickLimit = 1000;

}  // namespace ovatron::test
