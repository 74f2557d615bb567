// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRStringArray.h"
#include "core/TurnCurve.h"
#include "core/jury/JuryRules.h"

#include <QDateTime>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Whoever keeps a record of the event hears of each change as the meter makes it. Contestants
// are known by their order of entry, which never changes while they move up the table. Every
// call must be cheap: the meter's 20 ms tick makes them.
class MeterJournal {
public:
    virtual ~MeterJournal() = default;
    virtual void contestantStarted(std::int64_t order, const brio::BRString& name) = 0;
    virtual void scoreRaised(std::int64_t order, int score) = 0;
    virtual void turnEnded(std::int64_t order) = 0;
    // The table was emptied; keptOrder, when given, stays as its only entry.
    virtual void tableCleared(std::optional<std::int64_t> keptOrder) = 0;
    // The operator confirmed a new preload list (waiting names, in order).
    virtual void preloadListSet(const brio::BRStringArray& names) = 0;
    // The first waiting name was taken: `taken` names of the confirmed list are gone now.
    virtual void preloadNameTaken(int taken) = 0;
    // Corrections and their undoing: a contestant renamed, a score put in place of the one
    // measured, rows taken out of the table or brought back into it.
    virtual void entryRenamed(std::int64_t order, const brio::BRString& name) = 0;
    virtual void scoreCorrected(std::int64_t order, int score) = 0;
    virtual void entriesRemoved(const std::vector<std::int64_t>& orders) = 0;
    virtual void entriesRestored(const std::vector<std::int64_t>& orders) = 0;
    // A turn's curve: a new one begins for the contestant (a turn measured again gets a
    // second one), then each reading, ten a second, is added to the latest, with each of the
    // source's microphones' own (see TurnCurve). A journal that keeps no curves need not hear
    // them.
    virtual void curveStarted(std::int64_t /*order*/, const CurveSource& /*source*/) {}
    virtual void curveRead(std::int64_t /*order*/, int /*reading*/,
                           std::span<const std::uint8_t> /*microphones*/) {}
    // Rounds: one named or renamed, one taken out (or brought back), the current round
    // switched with its running order, and a clap-off among tied contestants of the current
    // round begun (its turns follow as ordinary turns) or over. A journal that keeps no rounds
    // need not hear them.
    virtual void roundNamed(int /*id*/, const brio::BRString& /*name*/) {}
    virtual void roundRemoved(int /*id*/, bool /*removed*/) {}
    virtual void roundSwitched(int /*id*/, const brio::BRStringArray& /*waiting*/) {}
    virtual void clapOffStarted(int /*number*/, const brio::BRStringArray& /*names*/) {}
    virtual void clapOffEnded() {}
    // The jury: a set-up (none: switched off) with each judge's token, in the set-up's order
    // of judges; a contestant's marking opened or closed, under the set-up she is marked by;
    // a judge's mark taken, in hundredths, one a criterion. A journal that keeps no jury need
    // not hear them.
    virtual void jurySetUp(const std::optional<jury::JuryRules>& /*rules*/,
                           const QStringList& /*tokens*/) {}
    virtual void markingChanged(std::int64_t /*order*/, bool /*open*/,
                                const jury::JuryRules& /*rules*/) {}
    virtual void markTaken(std::int64_t /*order*/, const QString& /*judge*/,
                           const QString& /*markId*/, const std::vector<std::int32_t>& /*marks*/,
                           const QDateTime& /*at*/) {}
};
