// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/RecorderJournal.h"

#include "brio/BRStringQt.h"
#include "store/EventRecorder.h"

#include <QDateTime>

namespace {
QDateTime now()
{
    return QDateTime::currentDateTimeUtc();
}

QList<qint64> listOf(const std::vector<std::int64_t>& orders)
{
    return QList<qint64>(orders.begin(), orders.end());
}

QStringList namesOf(const brio::BRStringArray& names)
{
    QStringList list;
    for (int index = 0; index < static_cast<int>(names.size()); ++index)
        list << brio::toQString(names[index]);
    return list;
}
}  // namespace

RecorderJournal::RecorderJournal(EventRecorder& recorder) : m_recorder(recorder) {}

void RecorderJournal::resumeWithPreloadList(const QStringList& waiting)
{
    m_preloadList = waiting;
    m_recorder.preloadChanged(m_preloadList, 0);
}

void RecorderJournal::contestantStarted(std::int64_t order, const brio::BRString& name)
{
    m_recorder.contestantStarted(order, brio::toQString(name), now());
}

void RecorderJournal::scoreRaised(std::int64_t order, int score)
{
    m_recorder.scoreRaised(order, score);
}

void RecorderJournal::turnEnded(std::int64_t order)
{
    m_recorder.turnEnded(order, now());
}

void RecorderJournal::tableCleared(std::optional<std::int64_t> keptOrder)
{
    m_recorder.tableCleared(keptOrder);
}

void RecorderJournal::preloadListSet(const brio::BRStringArray& names)
{
    m_preloadList.clear();
    for (int index = 0; index < static_cast<int>(names.size()); ++index)
        m_preloadList << brio::toQString(names[index]);
    m_recorder.preloadChanged(m_preloadList, 0);
}

void RecorderJournal::preloadNameTaken(int taken)
{
    m_recorder.preloadChanged(m_preloadList, taken);
}

void RecorderJournal::entryRenamed(std::int64_t order, const brio::BRString& name)
{
    m_recorder.entryRenamed(order, brio::toQString(name));
}

void RecorderJournal::scoreCorrected(std::int64_t order, int score)
{
    m_recorder.scoreCorrected(order, score);
}

void RecorderJournal::entriesRemoved(const std::vector<std::int64_t>& orders)
{
    m_recorder.entriesRemoved(listOf(orders));
}

void RecorderJournal::entriesRestored(const std::vector<std::int64_t>& orders)
{
    m_recorder.entriesRestored(listOf(orders));
}

void RecorderJournal::curveStarted(std::int64_t order, const CurveSource& source)
{
    m_newCurve.emplace(order, source);
}

void RecorderJournal::curveRead(std::int64_t order, int reading,
                                std::span<const std::uint8_t> microphones)
{
    if (m_newCurve && m_newCurve->first == order) {
        const CurveSource& source = m_newCurve->second;
        StoreOp::CurveStarted first{order, source.microphone, brio::toQString(source.inputName),
                                    source.floorLufs, source.rangeLu, reading, {}};
        for (std::size_t index = 0; index < source.microphones.size(); ++index) {
            const CurveMicrophone& microphone = source.microphones[index];
            first.microphones.append({brio::toQString(microphone.place), brio::toQString(microphone.inputName),
                                      microphone.floorLufs,
                                      index < microphones.size() ? microphones[index] : curve::kNotHeard});
        }
        m_recorder.curveStarted(first);
        m_newCurve.reset();
        return;
    }
    m_recorder.curveRead(order, reading, QList<int>(microphones.begin(), microphones.end()));
}

void RecorderJournal::roundNamed(int id, const brio::BRString& name)
{
    m_recorder.roundNamed(id, brio::toQString(name));
}

void RecorderJournal::roundRemoved(int id, bool removed)
{
    m_recorder.roundRemoved(id, removed);
}

void RecorderJournal::roundSwitched(int id, const brio::BRStringArray& waiting)
{
    // The names taken from now on are counted in this round's running order.
    m_preloadList = namesOf(waiting);
    m_recorder.roundSwitched(id, m_preloadList);
}

void RecorderJournal::clapOffStarted(int number, const brio::BRStringArray& names)
{
    m_preloadList = namesOf(names);
    m_recorder.clapOffStarted(number, m_preloadList);
}

void RecorderJournal::clapOffEnded()
{
    m_recorder.clapOffEnded();
}

void RecorderJournal::jurySetUp(const std::optional<jury::JuryRules>& rules,
                                const QStringList& tokens)
{
    m_recorder.jurySetUp(StoreOp::JurySetUp{rules, tokens, QDateTime::currentDateTime()});
}

void RecorderJournal::markingChanged(std::int64_t order, bool open, const jury::JuryRules& rules)
{
    m_recorder.markingChanged(StoreOp::MarkingChanged{order, open, rules, QDateTime::currentDateTime()});
}

void RecorderJournal::markTaken(std::int64_t order, const QString& judge, const QString& markId,
                                const std::vector<std::int32_t>& marks, const QDateTime& at)
{
    m_recorder.markTaken(StoreOp::MarkTaken{order, judge, markId, QList<int>(marks.begin(), marks.end()), at});
}
