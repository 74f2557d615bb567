// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterJournal.h"

#include <QStringList>

#include <optional>
#include <span>
#include <utility>

class EventRecorder;

// Hands the meter's changes to the event recorder, stamped with the time they happen.
class RecorderJournal : public MeterJournal {
public:
    // The recorder must outlive the journal.
    explicit RecorderJournal(EventRecorder& recorder);

    // Continues a resumed event: its waiting names are the list now, none of them taken.
    void resumeWithPreloadList(const QStringList& waiting);

    void contestantStarted(std::int64_t order, const brio::BRString& name) override;
    void scoreRaised(std::int64_t order, int score) override;
    void turnEnded(std::int64_t order) override;
    void tableCleared(std::optional<std::int64_t> keptOrder) override;
    void preloadListSet(const brio::BRStringArray& names) override;
    void preloadNameTaken(int taken) override;
    void entryRenamed(std::int64_t order, const brio::BRString& name) override;
    void scoreCorrected(std::int64_t order, int score) override;
    void entriesRemoved(const std::vector<std::int64_t>& orders) override;
    void entriesRestored(const std::vector<std::int64_t>& orders) override;
    void curveStarted(std::int64_t order, const CurveSource& source) override;
    void curveRead(std::int64_t order, int reading, std::span<const std::uint8_t> microphones) override;
    void roundNamed(int id, const brio::BRString& name) override;
    void roundRemoved(int id, bool removed) override;
    void roundSwitched(int id, const brio::BRStringArray& waiting) override;
    void clapOffStarted(int number, const brio::BRStringArray& names) override;
    void clapOffEnded() override;
    void jurySetUp(const std::optional<jury::JuryRules>& rules, const QStringList& tokens) override;
    void markingChanged(std::int64_t order, bool open, const jury::JuryRules& rules) override;
    void markTaken(std::int64_t order, const QString& judge, const QString& markId,
                   const std::vector<std::int32_t>& marks, const QDateTime& at) override;

private:
    EventRecorder& m_recorder;
    QStringList m_preloadList;  // as the operator last confirmed it
    // A curve begun and not yet read: its row is written with its first reading.
    std::optional<std::pair<std::int64_t, CurveSource>> m_newCurve;
};
