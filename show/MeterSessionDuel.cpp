// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// A duel: one turn of the meter for the left side, read from its own microphones, and the
// right side's readings kept beside it; when the turn ends they become the right side's turn,
// so that both sides are rows like any other, stored, ranked and exported as turns are.

#include "show/MeterSession.h"

#include "brio/BRStringQt.h"
#include "core/HeldLevel.h"
#include "core/NameText.h"
#include "core/TurnCurve.h"

namespace {

// The row the meter measures or measured last.
std::optional<std::int64_t> currentOrderOf(const MeterCore& meter)
{
    const LeagueTable& table = meter.leagueTable();
    if (!table.contains(meter.currentIndex()))
        return std::nullopt;
    return table.entry(meter.currentIndex()).order;
}

}  // namespace

std::vector<std::size_t> sideMicrophones(const CurveSource& room, const QStringList& places)
{
    std::vector<std::size_t> side;
    for (std::size_t index = 0; index < room.microphones.size(); ++index) {
        if (places.contains(brio::toQString(room.microphones[index].place), Qt::CaseInsensitive))
            side.push_back(index);
    }
    return side;
}

CurveSource sideSource(const CurveSource& room, std::span<const std::size_t> side)
{
    CurveSource source = room;
    source.microphones.clear();
    QStringList inputs;
    for (const std::size_t index : side) {
        if (index < room.microphones.size()) {
            source.microphones.push_back(room.microphones[index]);
            inputs.append(brio::toQString(room.microphones[index].inputName));
        }
    }
    // The side's own inputs and floor, as the room's are its microphones' and its first one's.
    if (!source.microphones.empty()) {
        source.inputName = brio::fromQString(inputs.join(QStringLiteral(", ")));
        source.floorLufs = source.microphones.front().floorLufs;
    }
    return source;
}

void pickSide(std::span<const std::uint8_t> room, std::span<const std::size_t> side,
              std::vector<std::uint8_t>& into)
{
    into.clear();
    for (const std::size_t index : side) {
        if (index >= room.size()) {
            into.clear();
            return;
        }
        into.push_back(room[index]);
    }
}

std::optional<QString> duelWinner(const Duel& duel)
{
    if (!duel.verdict)
        return std::nullopt;
    switch (*duel.verdict) {
    case audio::DuelVerdict::LeftWins: return duel.sides[0].name;
    case audio::DuelVerdict::RightWins: return duel.sides[1].name;
    case audio::DuelVerdict::Draw: break;
    }
    return QStringLiteral("draw");
}

void MeterSession::setSideLevels(std::function<std::optional<int>(const QStringList&)> side,
                                 std::function<bool(const QString&)> known)
{
    m_sideLevel = std::move(side);
    m_placeKnown = std::move(known);
}

void MeterSession::setCurveSource(const CurveSource& room)
{
    m_roomSource = room;
    // A duel's turn keeps its side's microphones.
    if (!m_duel || !m_duel->running)
        m_meter.setCurveSource(room);
}

void MeterSession::setMicrophoneReadings(std::function<void(std::vector<std::uint8_t>&)> each)
{
    m_readEach = std::move(each);
}

std::span<const std::uint8_t> MeterSession::microphonesNow()
{
    m_heard.clear();
    if (m_readEach)
        m_readEach(m_heard);
    if (!m_duel || !m_duel->running || m_duelEnding)
        return m_heard;
    pickSide(m_heard, m_duel->microphones[0], m_sideHeard);
    return m_sideHeard;
}

std::optional<int> MeterSession::measuredNow() const
{
    if (m_duel && m_duel->running && !m_duelEnding && m_sideLevel)
        return m_sideLevel(m_duel->sides[0].places);
    return m_measured ? m_measured() : std::nullopt;
}

QString MeterSession::startDuel(const QStringList& names, const QStringList& left,
                                const QStringList& right)
{
    if (names.size() != 2 || left.isEmpty() || right.isEmpty())
        return tr("A duel needs two sides, each with its name and its microphones.");
    const QString leftName = brio::toQString(::contestantName(brio::fromQString(names[0])));
    const QString rightName = brio::toQString(::contestantName(brio::fromQString(names[1])));
    if (leftName.isEmpty() || rightName.isEmpty() || leftName == rightName)
        return tr("The two sides of a duel need a name each, and not the same one.");
    if (!m_microphoneInUse || !m_microphoneInUse() || !m_sideLevel || !m_placeKnown)
        return tr("A duel is measured by the microphones: switch on Edit > Measure With "
                  "Microphone first.");
    for (const QString& place : left + right) {
        if (!m_placeKnown(place))
            return tr("No microphone stands at \"%1\".").arg(place);
    }
    for (const QString& place : left) {
        if (right.contains(place, Qt::CaseInsensitive))
            return tr("The microphone at \"%1\" cannot hear both sides.").arg(place);
    }
    if (m_meter.state() == MeterState::Measuring || m_clapOff)
        return tr("A duel starts between turns only.");
    if (!m_meter.useLeagueTable())
        return tr("A duel's sides are rows of the league table: switch on Edit > Use League "
                  "Table first.");
    m_duel.reset();
    pressKey(MeterCore::kEscape);
    typeText(brio::fromQString(leftName));
    Duel duel;
    duel.sides = {DuelSide{leftName, left}, DuelSide{rightName, right}};
    duel.microphones = {sideMicrophones(m_roomSource, left), sideMicrophones(m_roomSource, right)};
    m_duel = duel;  // before Enter: the turn's first tick reads the left side
    m_meter.setCurveSource(sideSource(m_roomSource, m_duel->microphones[0]));
    pressKey(MeterCore::kEnter);
    const std::optional<std::int64_t> order = currentOrderOf(m_meter);
    if (m_meter.state() != MeterState::Measuring || !order) {
        m_duel.reset();
        m_meter.setCurveSource(m_roomSource);
        showChanges();
        return tr("The duel could not begin.");
    }
    m_duel->leftOrder = *order;
    showChanges();
    return {};
}

void MeterSession::followDuelSides()
{
    if (!m_duel || !m_duel->running || m_duelEnding || m_duel->leftOrder < 0)
        return;
    DuelSide& right = m_duel->sides[1];
    right.level = m_sideLevel ? m_sideLevel(right.places).value_or(0) : 0;
    // A reading of the right side beside each the meter takes of the left.
    const std::vector<std::uint8_t>& leftReadings = m_meter.currentCurve().readings;
    while (m_duel->rightReadings.size() < leftReadings.size()) {
        m_duel->rightReadings.push_back(static_cast<std::uint8_t>(std::clamp(right.level, 0, 100)));
        // This tick's reading of every microphone, none when the room was not heard.
        std::vector<std::uint8_t> own;
        pickSide(m_heard, m_duel->microphones[1], own);
        m_duel->rightMicrophoneReadings.push_back(std::move(own));
    }
    right.score = heldLevelOf(m_duel->rightReadings);
    m_duel->sides[0].level = m_meter.level();
    m_duel->sides[0].score = heldLevelOf(leftReadings);
}

void MeterSession::followDuel()
{
    if (!m_duel || m_duelEnding)
        return;
    const std::optional<std::int64_t> current = currentOrderOf(m_meter);
    const bool measuring = m_meter.state() == MeterState::Measuring;
    if (!m_duel->running) {
        // Its show ends with the next turn.
        if (measuring && current != m_duel->leftOrder && current != m_duel->rightOrder)
            m_duel.reset();
        return;
    }
    if (m_duel->leftOrder < 0 || (measuring && current == m_duel->leftOrder))
        return;
    // The left side's turn is over: the right side's is made of the readings heard beside it,
    // each the level of the five ticks between two readings, as the meter takes them.
    m_duelEnding = true;
    m_duel->running = false;
    const LeagueTable& table = m_meter.leagueTable();
    const int leftRow = table.rowOf(m_duel->leftOrder);
    m_duel->sides[0].score = leftRow >= 0 ? table.entry(leftRow).score : 0;
    pressKey(MeterCore::kEscape);
    typeText(brio::fromQString(m_duel->sides[1].name));
    pressKey(MeterCore::kEnter);
    if (const std::optional<std::int64_t> right = currentOrderOf(m_meter);
        m_meter.state() == MeterState::Measuring && right) {
        m_duel->rightOrder = *right;
        m_meter.setCurveSource(sideSource(m_roomSource, m_duel->microphones[1]));
        for (std::size_t index = 0; index < m_duel->rightReadings.size(); ++index) {
            for (int tick = 0; tick < curve::kTicksPerReading; ++tick)
                m_meter.tick(TickInput{}, int(m_duel->rightReadings[index]),
                             m_duel->rightMicrophoneReadings[index]);
            if (m_meter.state() != MeterState::Measuring)
                break;  // an equal turn's window ran out
        }
        if (m_meter.state() == MeterState::Measuring && currentOrderOf(m_meter) == right)
            pressKey(MeterCore::kEnter);
        const int rightRow = m_meter.leagueTable().rowOf(*right);
        m_duel->sides[1].score = rightRow >= 0 ? m_meter.leagueTable().entry(rightRow).score : 0;
    }
    m_meter.setCurveSource(m_roomSource);
    m_duel->sides[0].level = 0;
    m_duel->sides[1].level = 0;
    m_duel->verdict = audio::duelVerdict(m_duel->sides[0].score, m_duel->sides[1].score);
    m_duelEnding = false;
}
