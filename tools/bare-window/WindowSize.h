// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>

#include <optional>

// The largest window side accepted, beyond any screen in use.
inline constexpr int kMaximumWindowSide = 16384;

// "WIDTHxHEIGHT" (for instance 800x600) as a size; none when the text is not one or a side
// is not between 1 and kMaximumWindowSide.
std::optional<QSize> parseWindowSize(const QString& text);
