// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// The sound cues of a show. The drum roll loops while a turn measures with the keyboard; the
// others play once.
enum class Cue { DrumRoll, Fanfare, Buzzer, Sting };

inline constexpr std::array<Cue, 4> kAllCues = {Cue::DrumRoll, Cue::Fanfare, Cue::Buzzer,
                                                Cue::Sting};

constexpr int cueIndex(Cue cue) { return static_cast<int>(cue); }
