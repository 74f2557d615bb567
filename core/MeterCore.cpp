// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterCore.h"

#include "core/LevelDynamics.h"
#include "core/NameText.h"
#include "core/settings/TurnSettings.h"

#include <algorithm>
#include <limits>
#include <utility>

MeterCore::MeterCore(bool useLeagueTable, bool showSummaryScreen)
    : m_useLeagueTable(useLeagueTable), m_showSummaryScreen(showSummaryScreen)
{
    m_state = restingState();
}

bool MeterCore::onChar(int code)
{
    if (code == kEnter) {
        m_selectedRow = -1;
        return m_rename ? finishRename() : onEnter();
    }
    if (code == kEscape) {
        m_selectedRow = -1;
        if (m_rename)
            leaveRename();  // the name stays as it was
        else
            reset();
        return true;
    }
    if (code == kBackspace) {
        if (m_state != MeterState::NameEntry || m_typedName.empty())
            return false;
        m_typedName.remove(lastCharacterStart(m_typedName));
        return true;
    }
    if (code < 0 || code > std::numeric_limits<char16_t>::max())
        return false;
    return onText(brio::BRString(std::u16string(1, static_cast<char16_t>(code))));
}

bool MeterCore::onText(const brio::BRString& text)
{
    if (m_state != MeterState::NameEntry)
        return false;
    const brio::BRString typed = nameCharacters(text);
    if (typed.empty())
        return false;
    m_typedName += typed;
    return true;
}

bool MeterCore::onEnter()
{
    if (m_state == MeterState::NameEntry) {
        // A name of nothing but blanks is no name: a held SPACE before Enter starts nothing.
        if (withoutSurroundingBlanks(m_typedName).empty())
            return false;
        const brio::BRString entered = contestantName(m_typedName);
        startContestant(m_typedName);
        leaveRunningOrder(entered);
        return false;  // the first tick of the turn repaints
    }
    if (m_remeasure && m_state == MeterState::Measuring)
        finishRemeasure();
    if (!m_useLeagueTable) {
        reset();
    } else if (m_state == MeterState::Measuring && m_showSummaryScreen) {
        endTurn();
        m_state = MeterState::Summary;
    } else if (m_state == MeterState::Summary && m_preloadList.size() > 0) {
        takeNextPreloadedName();
    } else {
        reset();
    }
    return true;
}

bool MeterCore::tick(TickInput input, std::optional<int> measured,
                     std::span<const std::uint8_t> microphones)
{
    if (m_state != MeterState::Measuring)
        return false;
    if (windowRanOut()) {
        onEnter();
        return true;
    }
    const int before = m_level;
    if (measured) {
        m_level = std::clamp(*measured, level::kMinimum, level::kMaximum);
        m_roomMeasured = true;
    } else {
        m_level = level::next(m_level, input.listening && input.spaceDown);
    }
    if (m_turnTicks > 0 && !m_windowOpened && m_level > level::kMinimum) {
        m_windowOpened = true;
        m_windowTicksLeft = m_turnTicks;
    }
    // An equal turn's readings are those of its window, from the tick that opened it.
    if ((m_turnTicks == 0 || m_windowOpened) && m_readingTicks++ % curve::kTicksPerReading == 0)
        takeReading(measured.has_value(), measured ? microphones : std::span<const std::uint8_t>{});
    if (measured) {
        if (m_held.level() > m_peak)
            raisePeak(m_held.level());
    } else if (m_level > before && m_level > m_peak) {
        raisePeak(m_level);
    }
    return true;
}

void MeterCore::raisePeak(int peak)
{
    m_peak = peak;
    // Measured again, the table shows the old score until the turn ends.
    if (m_useLeagueTable && m_table.contains(m_currentIndex) && !m_remeasure) {
        m_currentIndex = m_table.moveCurrentEntryUp(m_currentIndex, m_peak);
        if (m_journal)
            m_journal->scoreRaised(m_table.entry(m_currentIndex).order, m_peak);
    }
}

void MeterCore::takeReading(bool fromRoom, std::span<const std::uint8_t> microphones)
{
    m_held.add(m_level);
    if (m_curve.readings.size() >= curve::kMaximumReadings)
        return;
    if (m_curve.readings.empty()) {
        m_curve.source = fromRoom ? m_source : CurveSource{};
        m_curve.source.microphone = fromRoom;
        m_curve.microphoneReadings.assign(m_curve.source.microphones.size(), {});
        if (m_journal && m_turnOf)
            m_journal->curveStarted(*m_turnOf, m_curve.source);
    }
    m_curve.readings.push_back(static_cast<std::uint8_t>(m_level));
    // A tick that did not tell each microphone's level leaves them unheard.
    const bool told = microphones.size() == m_curve.microphoneReadings.size();
    m_microphonesRead.assign(m_curve.microphoneReadings.size(), curve::kNotHeard);
    for (std::size_t index = 0; index < m_curve.microphoneReadings.size(); ++index) {
        if (told)
            m_microphonesRead[index] = microphones[index];
        m_curve.microphoneReadings[index].push_back(m_microphonesRead[index]);
    }
    if (m_journal && m_turnOf)
        m_journal->curveRead(*m_turnOf, m_level, m_microphonesRead);
}

void MeterCore::beginTurnRecord()
{
    m_held.clear();
    m_curve = TurnCurve{};
    m_readingTicks = 0;
    m_roomMeasured = false;
}

const std::vector<TurnCurve>& MeterCore::curvesOf(std::int64_t order) const
{
    static const std::vector<TurnCurve> none;
    const auto found = m_curves.find(order);
    return found == m_curves.end() ? none : found->second;
}

void MeterCore::restoreCurves(std::int64_t order, std::vector<TurnCurve> curves)
{
    if (curves.empty())
        m_curves.erase(order);
    else
        m_curves[order] = std::move(curves);
}

bool MeterCore::windowRanOut()
{
    if (!m_windowTicksLeft)
        return false;
    --*m_windowTicksLeft;
    return *m_windowTicksLeft <= 0;
}

bool MeterCore::tickCanChange(TickInput input) const
{
    return m_state == MeterState::Measuring &&
           (m_windowTicksLeft || level::next(m_level, input.listening && input.spaceDown) != m_level);
}

void MeterCore::setTurnSeconds(int seconds)
{
    const bool valid = seconds > 0 && seconds <= kMaximumTurnSeconds;
    m_turnTicks = valid ? seconds * kTicksPerSecond : 0;
}

std::optional<int> MeterCore::countdownSeconds() const
{
    if (!m_windowTicksLeft)
        return std::nullopt;
    return (*m_windowTicksLeft + kTicksPerSecond - 1) / kTicksPerSecond;
}

void MeterCore::reset()
{
    leaveRename();
    endTurn();
    m_selectedRow = -1;
    m_level = 0;
    m_peak = 0;
    beginTurnRecord();
    m_typedName = brio::BRString();
    m_currentIndex = -1;
    m_state = restingState();
}

void MeterCore::startContestant(const brio::BRString& name)
{
    endTurn();
    // Typed and preloaded names enter the table here, and only here.
    const brio::BRString entered = contestantName(name);
    const std::int64_t order = m_nextOrder++;
    m_currentIndex = m_table.startContestant(entered, order);
    // At the foot of the table with no applause and no mark, where any result of hers ranks.
    m_table.setJuryOf(m_currentIndex, juryOf(order));
    m_turnOf = order;
    m_lastMeasured = order;
    m_selectedRow = -1;
    if (m_journal)
        m_journal->contestantStarted(order, entered);
    beginTurnRecord();
    m_typedName = brio::BRString();
    m_state = MeterState::Measuring;
}

void MeterCore::leaveRunningOrder(const brio::BRString& entered)
{
    for (int index = 0; index < static_cast<int>(m_preloadList.size()); ++index) {
        if (contestantName(m_preloadList[index]) != entered)
            continue;
        m_preloadList.remove(index, 1);
        // The stored running order is what still waits, from its start.
        m_preloadTaken = 0;
        if (m_journal)
            m_journal->preloadListSet(m_preloadList);
        return;
    }
}

bool MeterCore::startNextWaiting()
{
    if (m_state != MeterState::NameEntry || !m_useLeagueTable || m_rename ||
        m_preloadList.size() == 0)
        return false;
    takeNextPreloadedName();
    return true;
}

void MeterCore::takeNextPreloadedName()
{
    startContestant(m_preloadList[0]);
    m_preloadList.remove(0, 1);
    ++m_preloadTaken;
    if (m_journal)
        m_journal->preloadNameTaken(m_preloadTaken);
    m_level = 0;
    m_peak = 0;
}

std::vector<Score> MeterCore::clearLeagueTable()
{
    leaveRename();
    m_selectedRow = -1;
    std::vector<Score> cleared;
    if (m_useLeagueTable) {
        // A turn under way keeps its contestant, now as the only entry.
        std::optional<std::int64_t> kept;
        if (turnUnderWay() && m_table.contains(m_currentIndex))
            kept = m_table.entry(m_currentIndex).order;
        for (int row = 0; row < m_table.count(); ++row) {
            if (m_table.entry(row).order != kept)
                cleared.push_back(m_table.entry(row));
        }
        if (kept) {
            m_currentIndex = m_table.clearKeeping(m_currentIndex);
        } else {
            clearTable();
        }
        if (m_journal)
            m_journal->tableCleared(kept);
    }
    m_typedName = brio::BRString();
    m_level = 0;
    m_peak = 0;
    m_held.clear();  // the score starts again with the peak; the curve goes on
    return cleared;
}

void MeterCore::clearTable()
{
    m_table.clear();
    m_currentIndex = -1;
}

void MeterCore::toggleLeagueTable()
{
    leaveRename();
    endTurn();
    beginTurnRecord();
    m_useLeagueTable = !m_useLeagueTable;
    m_state = restingState();
    clearLeagueTable();
}

void MeterCore::toggleSummaryScreen()
{
    if (m_useLeagueTable)
        m_showSummaryScreen = !m_showSummaryScreen;
}

void MeterCore::restartWithPreloadList()
{
    if (!m_useLeagueTable)
        return;
    clearLeagueTable();
    m_preloadTaken = 0;
    if (m_journal)
        m_journal->preloadListSet(m_preloadList);
    if (m_preloadList.size() > 0)
        takeNextPreloadedName();
}

void MeterCore::endTurn()
{
    if (m_turnOf && !m_curve.readings.empty())
        m_curves[*m_turnOf].push_back(m_curve);
    if (m_turnOf && m_journal)
        m_journal->turnEnded(*m_turnOf);
    if (m_turnOf)
        m_endedTurn = m_turnOf;
    m_turnOf.reset();
    m_windowTicksLeft.reset();
    m_windowOpened = false;
    m_remeasure.reset();  // a turn measured again and not ended by Enter keeps its old score
}

void MeterCore::restoreEvent(const std::vector<Score>& entries,
                             const brio::BRStringArray& waiting, std::int64_t nextOrder)
{
    reset();
    clearTable();
    m_curves.clear();
    for (const Score& entry : entries)
        m_table.restoreEntry(entry);
    m_preloadList = waiting;
    m_preloadTaken = 0;
    m_nextOrder = nextOrder;
    m_lastMeasured.reset();
    for (const Score& entry : entries) {
        if (!m_lastMeasured || entry.order > *m_lastMeasured)
            m_lastMeasured = entry.order;
    }
    giveJury();
}

void MeterCore::loadRound(const std::vector<Score>& entries, const brio::BRStringArray& waiting)
{
    reset();
    clearTable();
    for (const Score& entry : entries)
        m_table.restoreEntry(entry);
    m_preloadList = waiting;
    m_preloadTaken = 0;
    m_lastMeasured.reset();
    for (const Score& entry : entries) {
        if (!m_lastMeasured || entry.order > *m_lastMeasured)
            m_lastMeasured = entry.order;
    }
    giveJury();
}

bool MeterCore::correctionsAllowed() const
{
    return m_useLeagueTable && m_state != MeterState::Measuring && !m_rename;
}

bool MeterCore::moveSelection(int step)
{
    if (!correctionsAllowed() || m_table.count() == 0)
        return false;
    const int before = m_selectedRow;
    if (m_selectedRow < 0)
        m_selectedRow = step < 0 ? m_table.count() - 1 : 0;
    else
        m_selectedRow = std::clamp(m_selectedRow + step, 0, m_table.count() - 1);
    return m_selectedRow != before;
}

int MeterCore::correctionRow() const
{
    if (m_selectedRow >= 0)
        return m_selectedRow;
    return m_lastMeasured ? m_table.rowOf(*m_lastMeasured) : -1;
}

bool MeterCore::beginRename()
{
    const int row = correctionRow();
    if (!correctionsAllowed() || row < 0)
        return false;
    m_rename = Rename{m_table.entry(row).order, m_state, m_typedName};
    m_state = MeterState::NameEntry;
    m_typedName = m_table.entry(row).name;
    m_selectedRow = row;  // the frame shows whose name is edited
    return true;
}

bool MeterCore::finishRename()
{
    const std::int64_t order = m_rename->order;
    const brio::BRString name = contestantName(m_typedName);
    leaveRename();
    const int row = m_table.rowOf(order);
    if (name.empty() || row < 0 || name == m_table.entry(row).name)
        return true;
    m_finished = correction::Renamed{order, m_table.entry(row).name, name};
    renameEntry(order, name);
    return true;
}

void MeterCore::leaveRename()
{
    if (!m_rename)
        return;
    m_state = m_rename->returnTo;
    m_typedName = m_rename->typedBefore;
    m_rename.reset();
    m_selectedRow = -1;
}

bool MeterCore::measureAgain()
{
    const int row = correctionRow();
    if (!correctionsAllowed() || row < 0)
        return false;
    endTurn();
    const Score& entry = m_table.entry(row);
    m_remeasure = Remeasure{entry.order, entry.score};
    m_turnOf = entry.order;
    m_lastMeasured = entry.order;
    m_currentIndex = row;
    m_selectedRow = -1;
    m_typedName = brio::BRString();
    m_level = 0;
    m_peak = 0;
    beginTurnRecord();
    m_state = MeterState::Measuring;
    return true;
}

void MeterCore::finishRemeasure()
{
    const Remeasure remeasure = *m_remeasure;
    m_remeasure.reset();
    const int row = m_table.rowOf(remeasure.order);
    if (row < 0 || m_peak == remeasure.before)
        return;
    m_finished = correction::Remeasured{remeasure.order, remeasure.before, m_peak};
    setScore(remeasure.order, m_peak);
}

std::optional<Correction> MeterCore::takeCorrection()
{
    return std::exchange(m_finished, std::nullopt);
}

std::optional<std::int64_t> MeterCore::currentOrder() const
{
    if (!m_table.contains(m_currentIndex))
        return std::nullopt;
    return m_table.entry(m_currentIndex).order;
}

void MeterCore::afterRowsMoved(std::optional<std::int64_t> current)
{
    m_currentIndex = current ? m_table.rowOf(*current) : -1;
    m_selectedRow = -1;
}

void MeterCore::renameEntry(std::int64_t order, const brio::BRString& name)
{
    const int row = m_table.rowOf(order);
    if (row < 0)
        return;
    m_table.rename(row, name);
    if (m_journal)
        m_journal->entryRenamed(order, name);
}

void MeterCore::setScore(std::int64_t order, int score)
{
    const int row = m_table.rowOf(order);
    if (row < 0)
        return;
    const std::optional<std::int64_t> current = currentOrder();
    Score entry = m_table.removeAt(row);
    entry.score = std::clamp(score, level::kMinimum, level::kMaximum);
    entry.jury = juryOf(order);
    m_table.insertRanked(entry);
    afterRowsMoved(current);
    if (m_journal)
        m_journal->scoreCorrected(order, entry.score);
}

std::vector<Score> MeterCore::removeEntries(const std::vector<std::int64_t>& orders)
{
    const std::optional<std::int64_t> current = currentOrder();
    std::vector<Score> removed;
    std::vector<std::int64_t> removedOrders;
    for (const std::int64_t order : orders) {
        const int row = m_table.rowOf(order);
        if (row < 0)
            continue;
        removed.push_back(m_table.removeAt(row));
        removedOrders.push_back(order);
    }
    afterRowsMoved(current);
    if (m_journal && !removedOrders.empty())
        m_journal->entriesRemoved(removedOrders);
    return removed;
}

void MeterCore::restoreEntries(const std::vector<Score>& entries)
{
    const std::optional<std::int64_t> current = currentOrder();
    std::vector<std::int64_t> restored;
    for (const Score& entry : entries) {
        if (m_table.rowOf(entry.order) >= 0)
            continue;
        Score weighed = entry;
        weighed.jury = juryOf(entry.order);
        m_table.insertRanked(weighed);
        restored.push_back(entry.order);
    }
    afterRowsMoved(current);
    if (m_journal && !restored.empty())
        m_journal->entriesRestored(restored);
}

void MeterCore::setJury(std::optional<jury::JuryStanding> base,
                        std::map<std::int64_t, jury::JuryStanding> marked)
{
    m_jury = base;
    m_juryMarked = std::move(marked);
    weighTable();
}

std::optional<jury::JuryStanding> MeterCore::juryOf(std::int64_t order) const
{
    if (!m_jury)
        return std::nullopt;
    const auto found = m_juryMarked.find(order);
    return found == m_juryMarked.end() ? m_jury : std::optional(found->second);
}

void MeterCore::giveJury()
{
    for (int row = 0; row < m_table.count(); ++row) {
        if (m_jury || m_table.entry(row).jury)
            m_table.setJuryOf(row, juryOf(m_table.entry(row).order));
    }
}

void MeterCore::weighTable()
{
    bool weighed = m_jury.has_value();
    for (int row = 0; row < m_table.count() && !weighed; ++row)
        weighed = m_table.entry(row).jury.has_value();
    // Without a jury, now or before, the table stands as the applause ranked it.
    if (!weighed)
        return;
    const std::optional<std::int64_t> current = currentOrder();
    const std::optional<std::int64_t> selected =
        m_table.contains(m_selectedRow) ? std::optional(m_table.entry(m_selectedRow).order)
                                        : std::nullopt;
    m_table.reweigh([this](Score& entry) { entry.jury = juryOf(entry.order); });
    m_currentIndex = current ? m_table.rowOf(*current) : -1;
    m_selectedRow = selected ? m_table.rowOf(*selected) : -1;
}
