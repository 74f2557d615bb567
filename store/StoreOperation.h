// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/jury/JuryRules.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The changes the recorder queues for its worker, one struct each. An operation refers to
// the event begun or resumed last.
namespace StoreOp {

struct BeginEvent {
    QDateTime started;
};

struct ResumeEvent {
    qint64 eventId = 0;
};

struct ContestantStarted {
    qint64 order = 0;
    QString name;
    QDateTime began;
};

struct ScoreRaised {
    qint64 order = 0;
    int score = 0;
};

struct TurnEnded {
    qint64 order = 0;
    QDateTime ended;
};

// Marks the entries as cleared; keptOrder, when set, stays in the table.
struct TableCleared {
    std::optional<qint64> keptOrder;
};

struct PreloadChanged {
    QStringList list;
    int position = 0;
};

struct EntryRenamed {
    qint64 order = 0;
    QString name;
};

// A score put in place of the one measured (measured again, or that undone).
struct ScoreCorrected {
    qint64 order = 0;
    int score = 0;
};

// Entries taken out of the table by the operator, or brought back into it.
struct EntriesRemoved {
    QList<qint64> orders;
};

struct EntriesRestored {
    QList<qint64> orders;
};

// One of the microphones that measured a turn, with its first reading (curve::kNotHeard when
// it did not hear).
struct MicrophoneStarted {
    QString place;
    QString inputName;
    double floorLufs = 0.0;
    int reading = 0;
};

// A turn's curve begins with its first reading: a new row, after the contestant's earlier ones.
struct CurveStarted {
    qint64 order = 0;
    bool microphone = false;
    QString inputName;
    double floorLufs = 0.0;
    double rangeLu = 0.0;
    int reading = 0;
    QList<MicrophoneStarted> microphones;
};

// More readings of the contestant's latest curve, in the order they came, each with its
// microphones' own (none for a curve without microphones).
struct CurveRead {
    qint64 order = 0;
    QList<int> readings;
    QList<QList<int>> microphones;  // a list for each of readings
};

struct EventEnded {};

// A round named (made, or renamed).
struct RoundNamed {
    int roundId = 0;
    QString name;
};

struct RoundRemoved {
    int roundId = 0;
    bool removed = true;
};

// From now on entries belong to this round, whose waiting names these are.
struct RoundSwitched {
    int roundId = 0;
    QStringList waiting;
};

// From now on entries are turns of this clap-off of the current round, until it ends.
struct ClapOffStarted {
    int number = 0;
    QStringList names;
};

struct ClapOffEnded {};

// The jury's set-up with each judge's token (none: the jury switched off).
struct JurySetUp {
    std::optional<jury::JuryRules> rules;
    QStringList tokens;
    QDateTime at;
};

// A contestant's marking opened or closed, with the set-up she is marked under.
struct MarkingChanged {
    qint64 order = 0;
    bool open = false;
    jury::JuryRules rules;
    QDateTime at;
};

// A judge's mark as it came, in hundredths, one a criterion.
struct MarkTaken {
    qint64 order = 0;
    QString judge;
    QString markId;
    QList<int> marks;
    QDateTime at;
};

}  // namespace StoreOp

using StoreOperation = std::variant<StoreOp::BeginEvent, StoreOp::ResumeEvent,
    StoreOp::ContestantStarted, StoreOp::ScoreRaised, StoreOp::TurnEnded, StoreOp::TableCleared,
    StoreOp::PreloadChanged, StoreOp::EventEnded, StoreOp::EntryRenamed, StoreOp::ScoreCorrected,
    StoreOp::EntriesRemoved, StoreOp::EntriesRestored, StoreOp::CurveStarted, StoreOp::CurveRead,
    StoreOp::RoundNamed, StoreOp::RoundRemoved, StoreOp::RoundSwitched, StoreOp::ClapOffStarted,
    StoreOp::ClapOffEnded, StoreOp::JurySetUp, StoreOp::MarkingChanged, StoreOp::MarkTaken>;
