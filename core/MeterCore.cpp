// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterCore.h"

#include "core/LevelDynamics.h"
#include "core/NameText.h"
#include "core/TurnSettings.h"

#include <limits>

MeterCore::MeterCore(bool useLeagueTable, bool showSummaryScreen)
    : m_useLeagueTable(useLeagueTable), m_showSummaryScreen(showSummaryScreen)
{
    m_state = restingState();
}

bool MeterCore::onChar(int code)
{
    if (code == kEnter)
        return onEnter();
    if (code == kEscape) {
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
        startContestant(m_typedName);
        return false;  // the first tick of the turn repaints
    }
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

bool MeterCore::tick(TickInput input, std::optional<int> measured)
{
    if (m_state != MeterState::Measuring)
        return false;
    if (windowRanOut()) {
        onEnter();
        return true;
    }
    const int before = m_level;
    if (measured)
        m_level = level::toward(m_level, *measured);
    else
        m_level = level::next(m_level, input.listening && input.spaceDown);
    if (m_level > before && m_level > m_peak) {
        m_peak = m_level;
        if (m_useLeagueTable && m_table.contains(m_currentIndex)) {
            m_currentIndex = m_table.moveCurrentEntryUp(m_currentIndex, m_peak);
            if (m_journal)
                m_journal->scoreRaised(m_table.entry(m_currentIndex).order, m_peak);
        }
    }
    if (m_turnTicks > 0 && !m_windowOpened && m_level > level::kMinimum) {
        m_windowOpened = true;
        m_windowTicksLeft = m_turnTicks;
    }
    return true;
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
    endTurn();
    m_level = 0;
    m_peak = 0;
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
    m_turnOf = order;
    if (m_journal)
        m_journal->contestantStarted(order, entered);
    m_typedName = brio::BRString();
    m_state = MeterState::Measuring;
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

void MeterCore::clearLeagueTable()
{
    if (m_useLeagueTable) {
        // A turn under way keeps its contestant, now as the only entry.
        std::optional<std::int64_t> kept;
        if (turnUnderWay() && m_table.contains(m_currentIndex)) {
            kept = m_table.entry(m_currentIndex).order;
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
}

void MeterCore::clearTable()
{
    m_table.clear();
    m_currentIndex = -1;
}

void MeterCore::toggleLeagueTable()
{
    endTurn();
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
    if (m_turnOf && m_journal)
        m_journal->turnEnded(*m_turnOf);
    m_turnOf.reset();
    m_windowTicksLeft.reset();
    m_windowOpened = false;
}

void MeterCore::restoreEvent(const std::vector<Score>& entries,
                             const brio::BRStringArray& waiting, std::int64_t nextOrder)
{
    reset();
    clearTable();
    for (const Score& entry : entries)
        m_table.restoreEntry(entry);
    m_preloadList = waiting;
    m_preloadTaken = 0;
    m_nextOrder = nextOrder;
}
