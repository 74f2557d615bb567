// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRStringArray.h"
#include "core/CorrectionKinds.h"
#include "core/HeldLevel.h"
#include "core/LeagueTable.h"
#include "core/MeterJournal.h"
#include "core/MeterState.h"
#include "core/TurnCurve.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>
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
    MeterJournal* journal() const { return m_journal; }

    // Brings back a stored event's table (best first) and waiting names, in name entry; the
    // next contestant gets the order nextOrder.
    void restoreEvent(const std::vector<Score>& entries, const brio::BRStringArray& waiting,
                      std::int64_t nextOrder);

    // Another round's table (best first) and running order take the place of this one's, in
    // name entry; the curves and the order of entry go on, as they are the event's.
    void loadRound(const std::vector<Score>& entries, const brio::BRStringArray& waiting);
    // The order of entry the next contestant gets.
    std::int64_t nextOrder() const { return m_nextOrder; }

    // One of the meter's keys; any other code is one UTF-16 unit of typed text.
    bool onChar(int code);
    // Text typed or committed by an input method: in name entry its printable characters
    // (see nameCharacters) are added to the name.
    bool onText(const brio::BRString& text);
    // One 20 ms tick. While the microphone is the input and hears the room, measured is its
    // momentary loudness on the meter's scale (0..100): the level shows it at once whatever
    // has the focus, SPACE adds nothing, and the peak (the score) is the held level of the
    // turn's readings (see HeldLevel). Every fifth tick of a turn (of its equal window, when
    // there is one) takes a reading of the level into the turn's curve, and of microphones
    // (each microphone's own level, or curve::kNotHeard) beside it when they are as many as
    // the curve source's microphones.
    bool tick(TickInput input, std::optional<int> measured = std::nullopt,
              std::span<const std::uint8_t> microphones = {});
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

    // The jury's part in each contestant's result while the jury is on: the weights and
    // highest mark (base, whose mark is none) and J by order of entry, a contestant without
    // one standing at base. The table ranks by the results from now on; none ranks by the
    // applause alone, as without a jury.
    void setJury(std::optional<jury::JuryStanding> base,
                 std::map<std::int64_t, jury::JuryStanding> marked);
    bool juryOn() const { return m_jury.has_value(); }
    // Whose turn ended last, once: the jury's marking opens for her then.
    std::optional<std::int64_t> takeEndedTurn() { return std::exchange(m_endedTurn, std::nullopt); }

    // Back to the start of a turn; an abandoned entry keeps the score it reached.
    void reset();

    // Turn curves. What measures the room, for the curves of turns measured from now on (its
    // microphone flag is set by the ticks themselves: a tick without a reading of the room
    // is the keyboard's).
    void setCurveSource(const CurveSource& source) { m_source = source; }
    // The readings of the turn under way, or of the turn that ended last until the next one
    // begins or Esc resets the meter.
    const TurnCurve& currentCurve() const { return m_curve; }
    // A contestant's finished turns, first measured first (a turn measured again adds one);
    // none for a contestant the meter has no curve of.
    const std::vector<TurnCurve>& curvesOf(std::int64_t order) const;
    // Brings back a resumed contestant's curves (after restoreEvent).
    void restoreCurves(std::int64_t order, std::vector<TurnCurve> curves);
    // Whether a tick of the turn under way had a reading of the room: the peak is then the
    // held level and may stand below the live level.
    bool roomMeasuredTurn() const { return m_roomMeasured; }

    // The league-table commands. Both always need a repaint. Clearing answers the rows it
    // took out.
    void toggleLeagueTable();
    std::vector<Score> clearLeagueTable();
    // Flips the summary screen while the league table is in use; needs no repaint.
    void toggleSummaryScreen();

    // After the operator confirmed a new preload list: restarts the table and starts the
    // first waiting name, if any. Always needs a repaint.
    void restartWithPreloadList();
    // Starts the running order's first waiting name from name entry, as Enter on the summary
    // does; what was typed gives way. False when no name waits or the meter is elsewhere.
    bool startNextWaiting();

    // Mending the table outside a running turn (in name entry and on the summary screen).
    // Whether the table can be corrected now: in use, no turn running, no rename under way.
    bool correctionsAllowed() const;
    // Up (-1) and Down (+1) move the selection; the first Up selects the bottom row. Answers
    // whether it moved.
    bool moveSelection(int step);
    // The selected row, -1 for none; Enter, Esc and the start of a turn clear it.
    int selectedRow() const { return m_selectedRow; }
    // The row a correction acts on: the selected one, else that of the contestant measured
    // last; -1 for none.
    int correctionRow() const;
    // The name line takes that row's name for editing: Enter keeps the edited name (under the
    // rules of a new one; a blank name changes nothing), Esc leaves it as it was. Both go back
    // to the state the rename began in.
    bool beginRename();
    bool renaming() const { return m_rename.has_value(); }
    // A new turn for that row's contestant from 0; Enter at its end puts the new peak in place
    // of the old score, which the table shows until then; Esc keeps the old score.
    bool measureAgain();
    bool remeasuring() const { return m_remeasure.has_value(); }
    // A rename or a measurement again that the keys have just finished, once.
    std::optional<Correction> takeCorrection();

    // What corrections and their undoing are made of. Each keeps the table ranked and the
    // current contestant where it was (none, when it left the table); a contestant the table
    // does not hold is passed over.
    void renameEntry(std::int64_t order, const brio::BRString& name);
    void setScore(std::int64_t order, int score);
    std::vector<Score> removeEntries(const std::vector<std::int64_t>& orders);
    void restoreEntries(const std::vector<Score>& entries);

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
    // A name typed (or sent) while it waits in the running order has had its turn: it leaves
    // the order, so that it never runs twice.
    void leaveRunningOrder(const brio::BRString& entered);
    void takeNextPreloadedName();
    // The current contestant's turn is over (its entry stays); tells the journal once.
    void endTurn();
    // Opens the equal turn's window when the level first leaves 0, and counts it down;
    // answers whether the window has run out.
    bool windowRanOut();
    // A reading of the level into the held level and the curve, told to the journal.
    void takeReading(bool fromRoom, std::span<const std::uint8_t> microphones);
    void raisePeak(int peak);
    // Forgets the turn's readings, for a turn that starts from 0.
    void beginTurnRecord();
    // Empties the table; no entry is the current one any more.
    void clearTable();
    bool finishRename();
    void leaveRename();
    void finishRemeasure();
    std::optional<std::int64_t> currentOrder() const;
    // After the rows moved: the current index follows its contestant, the selection goes.
    void afterRowsMoved(std::optional<std::int64_t> current);
    // Gives every entry its jury's part and ranks the table by it, the current contestant and
    // the selection following their rows.
    void weighTable();
    // Gives the entries of a table loaded best first their jury's part, leaving the order as
    // given (a clap-off may have set it).
    void giveJury();
    std::optional<jury::JuryStanding> juryOf(std::int64_t order) const;
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
    int m_selectedRow = -1;
    std::optional<std::int64_t> m_lastMeasured;  // whose turn began last
    struct Rename {
        std::int64_t order;
        MeterState returnTo;
        brio::BRString typedBefore;  // a new name half typed when the rename began
    };
    std::optional<Rename> m_rename;
    struct Remeasure {
        std::int64_t order;
        int before;
    };
    std::optional<Remeasure> m_remeasure;
    std::optional<Correction> m_finished;
    HeldLevel m_held;                      // of the turn's readings
    TurnCurve m_curve;                     // of the turn under way (or ended last)
    int m_readingTicks = 0;                // ticks counted for readings in this turn
    bool m_roomMeasured = false;
    CurveSource m_source;
    std::vector<std::uint8_t> m_microphonesRead;  // the last reading's, for the journal
    std::map<std::int64_t, std::vector<TurnCurve>> m_curves;  // finished turns, by order
    std::optional<jury::JuryStanding> m_jury;                 // while the jury is on
    std::map<std::int64_t, jury::JuryStanding> m_juryMarked;  // by order
    std::optional<std::int64_t> m_endedTurn;
};
