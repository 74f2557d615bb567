// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/DuelVerdict.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A duel: the hall's two sides measured in one turn, each by its own microphones and with its
// own held level. The left side's turn is the meter's own; the right side's readings are kept
// beside it and become a turn of its own, with the same readings, when the duel ends.
struct DuelSide {
    QString name;
    QStringList places;  // the microphones that hear this side
    int level = 0;       // its level now, 0..100
    int score = 0;       // its held level so far
};

struct Duel {
    std::array<DuelSide, 2> sides;  // left, right
    bool running = true;            // its turn measures
    std::int64_t leftOrder = -1;    // the two rows in the league table
    std::int64_t rightOrder = -1;
    std::vector<std::uint8_t> rightReadings;  // ten a second, beside the meter's curve
    std::optional<audio::DuelVerdict> verdict;  // once it is over
};

// The winner's name, "draw", or none while the duel runs.
std::optional<QString> duelWinner(const Duel& duel);
