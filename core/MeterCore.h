// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRStringArray.h"
#include "core/LeagueTable.h"
#include "core/MeterJournal.h"
#include "core/MeterState.h"

#include <cstdint>
#include <optional>
#include <vector>

// What one timer tick is given to work with. The meter listens only while the view or one
// of its ancestors has the keyboard focus; the applause is the SPACE key, unless the
// microphone measures it (see MeterCore::tick).
struct TickInput {
    bool listening = false;
    bool spaceDown = false;
};

// The applause meter of one event, free of any window: the state machine, the level
// dynamics, the league table and the preload list. Each event reports whether the display
// must be repainted.
class MeterCore {
public:
    // The meter's own keys.
    static constexpr int kBackspace = 8;
    static constexpr int kEnter = 13;
    static constexpr int kEscape = 27;
    // One tick is 20 ms.
    static constexpr int kTicksPerSecond = 50;

    MeterCore(bool useLeagueTable, bool showSummaryScreen);

    // Tells the journal, from now on, of every change worth recording; null for none. The
    // journal must outlive the meter or be taken away first.
    void setJournal(MeterJournal* journal) { m_journal = journal; }

    // Brings back a stored event's table (best first) and waiting names, in name entry; the
    // next contestant gets the order nextOrder.
    void restoreEvent(const std::vector<Score>& entries, const brio::BRStringArray& waiting,
                      std::int64_t nextOrder);

    // One of the meter's keys; any other code is one UTF-16 unit of typed text.
    bool onChar(int code);
    // Text typed or committed by an input method: in name entry its printable characters
    // (see nameCharacters) are added to the name.
    bool onText(const brio::BRString& text);
    // One 20 ms tick. While the microphone is the input and hears the room, measured is its
    // level (0..100): the level follows it whatever has the focus, and SPACE adds nothing.
    bool tick(TickInput input, std::optional<int> measured = std::nullopt);
    // Whether a tick from the keyboard with this input could change anything: not outside a
    // turn, nor while the level rests where the keys hold it (0 with SPACE up, 100 with SPACE
    // held) and no equal turn's window is running. The clock sleeps while it cannot; a
    // microphone's level may move at any moment.
    bool tickCanChange(TickInput input) const;

    // Equal turns: with a length of 1 to 60 seconds, a window of that many seconds opens when
    // the level first leaves 0 in a turn, and when it has run the turn ends as if Enter had
    // been pressed. 0 (or any length outside 1..60) turns them off; a window already running
    // keeps its length.
    void setTurnSeconds(int seconds);
    int turnSeconds() const { return m_turnTicks / kTicksPerSecond; }
    // Whole seconds left of the running window, rounded up; none while no window runs.
    std::optional<int> countdownSeconds() const;

    // Back to the start of a turn; an abandoned entry keeps the score it reached.
    void reset();

    // The league-table commands. Both always need a repaint.
    void toggleLeagueTable();
    void clearLeagueTable();
    // Flips the summary screen while the league table is in use; needs no repaint.
    void toggleSummaryScreen();

    // After the operator confirmed a new preload list: restarts the table and starts the
    // first waiting name, if any. Always needs a repaint.
    void restartWithPreloadList();

    int level() const { return m_level; }
    int peak() const { return m_peak; }
    const brio::BRString& typedName() const { return m_typedName; }
    MeterState state() const { return m_state; }
    const LeagueTable& leagueTable() const { return m_table; }
    // The current contestant's row, or -1 for none; never a row the table does not have.
    int currentIndex() const { return m_currentIndex; }
    bool useLeagueTable() const { return m_useLeagueTable; }
    bool showSummaryScreen() const { return m_showSummaryScreen; }
    const brio::BRStringArray& preloadList() const { return m_preloadList; }
    brio::BRStringArray& preloadList() { return m_preloadList; }

private:
    bool onEnter();
    void startContestant(const brio::BRString& name);
    void takeNextPreloadedName();
    // The current contestant's turn is over (its entry stays); tells the journal once.
    void endTurn();
    // Opens the equal turn's window when the level first leaves 0, and counts it down;
    // answers whether the window has run out.
    bool windowRanOut();
    // Empties the table; no entry is the current one any more.
    void clearTable();
    MeterState restingState() const { return m_useLeagueTable ? MeterState::NameEntry : MeterState::Measuring; }
    bool turnUnderWay() const { return m_state == MeterState::Measuring || m_state == MeterState::Summary; }

    int m_level = 0;
    int m_peak = 0;
    brio::BRString m_typedName;
    MeterState m_state = MeterState::NameEntry;
    LeagueTable m_table;
    int m_currentIndex = -1;
    bool m_useLeagueTable;
    brio::BRStringArray m_preloadList;
    bool m_showSummaryScreen;
    MeterJournal* m_journal = nullptr;
    std::int64_t m_nextOrder = 0;          // the next contestant's order of entry
    std::optional<std::int64_t> m_turnOf;  // whose turn is under way, for the journal
    int m_preloadTaken = 0;                // names taken from the list last confirmed
    int m_turnTicks = 0;                   // an equal turn's length; 0 for turns until Enter
    std::optional<int> m_windowTicksLeft;  // of the equal turn's window, while it runs
    bool m_windowOpened = false;           // this turn's window has opened (it opens once)
};
