// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/DuelVerdict.h"
#include "core/TurnCurve.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
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
    // Each side's microphones among the room's (indices into its curve source), and the right
    // side's own readings of them beside rightReadings.
    std::array<std::vector<std::size_t>, 2> microphones;
    std::vector<std::vector<std::uint8_t>> rightMicrophoneReadings;
    std::optional<audio::DuelVerdict> verdict;  // once it is over
};

// The winner's name, "draw", or none while the duel runs.
std::optional<QString> duelWinner(const Duel& duel);

// The room's microphones at these places (case aside), as indices into its microphones.
std::vector<std::size_t> sideMicrophones(const CurveSource& room, const QStringList& places);
// The room's source as a side's turn keeps it: with the side's microphones only.
CurveSource sideSource(const CurveSource& room, std::span<const std::size_t> side);
// The side's readings out of the room's microphones' readings; none when those are not the
// room's whole (the microphones were not read).
void pickSide(std::span<const std::uint8_t> room, std::span<const std::size_t> side,
              std::vector<std::uint8_t>& into);
