// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterCore.h"
#include "core/ScoreReveal.h"
#include "core/ShowCommand.h"
#include "core/TickGapWatch.h"
#include "core/rounds/RoundBook.h"
#include "show/Duel.h"
#include "show/jury/JuryDesk.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <variant>
#include <vector>

namespace brio {
class BRAppConfig;
}
struct DisplaySettings;

struct ShowState;

// Where a SPACE comes from. The keyboard's counts only while the meter listens; show
// control's and OSC's count whatever has the focus.
enum class SpaceSource { Keyboard, Remote, Osc };

// The running show, without a screen: the meter, its 20 ms clock, the undo history of
// corrections, the turn length and whether the winners show. Everything that drives the show
// (the view's keys, a remote, the microphone, the menu's commands) tells it the operator's
// intent here; every display follows displayChanged.
class MeterSession;
// The session's rounds and clap-off for show control's state.
void addRounds(ShowState& state, const MeterSession& session);

class MeterSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 20;

    // Reads the league table's and the summary screen's settings and the turn length from
    // the store, and writes them back there when a toggle changes one; it hears the turn
    // length stored by others. The store must outlive the session.
    explicit MeterSession(brio::BRAppConfig& settings, QObject* parent = nullptr);
    MeterSession(brio::BRAppConfig& settings, const DisplaySettings& stored,
                 QObject* parent = nullptr);
    ~MeterSession() override;

    const MeterCore& meter() const { return m_meter; }
    // Whoever changes the meter directly calls showChanges() afterwards.
    MeterCore& meter() { return m_meter; }
    // The corrections of the league table that Undo can take back, in order.
    QUndoStack& corrections() { return m_corrections; }
    const QUndoStack& corrections() const { return m_corrections; }

    // Whoever holds the keyboard tells whether the meter listens to it now (its window has
    // the focus); asked on every tick. Without one the keyboard is never heard.
    void setListening(std::function<bool()> listening);
    bool listening() const { return m_listening && m_listening(); }
    // Where each tick reads the microphone's level, without waiting; none while the keyboard
    // measures. inUse tells whether the microphone is the input, so that the clock keeps
    // running for a level that may move at any moment. Both must stay callable as long as
    // the session ticks; whoever switches the input calls followClock().
    void setMeasuredLevel(std::function<std::optional<int>()> measured,
                          std::function<bool()> inUse);
    // Where a duel's ticks read each side's level: the microphones at these places, as one
    // room (none when none of them hears), and whether a place names a microphone.
    void setSideLevels(std::function<std::optional<int>(const QStringList& places)> side,
                       std::function<bool(const QString& place)> known);
    // What measures the room, for the curves of turns from now on; a duel's sides each keep
    // their own microphones of it.
    void setCurveSource(const CurveSource& room);
    // Where each tick of the room reads every microphone's own level, in the order of the
    // curve source's microphones, for the curves beside the room's.
    void setMicrophoneReadings(std::function<void(std::vector<std::uint8_t>&)> each);

    // The operator's keys: one of the meter's (MeterCore::kEnter, kEscape, kBackspace), text
    // typed into the name, the selection moved, and SPACE held or let go.
    void pressKey(int code);
    // True when the name changed.
    bool typeText(const brio::BRString& text);
    // An input method's text being composed, shown on the name line after the typed name;
    // true when it changed. Whoever sets it shows the change.
    bool setComposing(const QString& text);
    const QString& composing() const { return m_composing; }
    void moveSelection(int step);
    // The applause climbs while any holder holds it: the keyboard, each of show control's
    // connections (holder names it), OSC. Letting go ends only the holder's own hold.
    void setSpaceDown(SpaceSource source, bool down, std::uint64_t holder = 0);
    // Every hold of a source that went away (show control switched off, say).
    void releaseAll(SpaceSource source);
    // A command from outside the window (a remote, an OSC sender), carried out as the keys
    // would; its SPACE is held by the command's holder of that source.
    void carryOut(const ShowCommand& command, SpaceSource from = SpaceSource::Remote);
    bool spaceDown(SpaceSource source) const;

    // Corrections of the row selected, or of the contestant measured last. Removing asks
    // confirm with the contestant's name first.
    void beginRename();
    void removeContestant(const std::function<bool(const QString& name)>& confirm);
    void measureAgain();
    void clearLeagueTable();
    void undo();
    void redo();

    // The toggles, each stored at once.
    void toggleLeagueTable();
    void toggleSummaryScreen();
    void setTurnSeconds(int seconds);
    bool winnersShowing() const { return m_winners; }
    void setWinnersShowing(bool showing);

    // Hidden scores: while on (stored as HideScores), the audience does not see the score of
    // a turn measured since the last reveal, nor the level's number during it; the operator
    // sees everything. Turning it off shows every score at once.
    bool hideScores() const { return m_hideScores; }
    void setHideScores(bool hide);
    const ScoreReveal& scoreReveal() const { return m_reveal; }
    // The names whose scores the audience does not see, in order of entry.
    QStringList hiddenNames() const;
    // Whether Reveal has something to do now: scores are hidden and no turn measures.
    bool canReveal() const;
    // One press of Reveal: one more score shows, lowest first (see revealNext); the last
    // shows the winners' podium, which stays until Esc or the next turn.
    void reveal();
    // A reveal has begun and not finished.
    bool revealUnderWay() const { return m_revealing; }
    // Esc during a reveal: every score shows at once.
    void endReveal();

    // A new running order (the preload list was edited): the table starts afresh.
    void restartWithPreloadList(const brio::BRStringArray& names);
    // Brings back a stored event: its table (best first), its waiting names and the order
    // the next contestant gets.
    void restoreEvent(const std::vector<Score>& entries, const brio::BRStringArray& waiting,
                      std::int64_t nextOrder);

    // Rounds. The meter holds the current round; every command above acts on it. Changes of
    // rounds happen between turns only (betweenTurns) and answer a message for the operator,
    // empty when done.
    const rounds::RoundBook& roundBook() const { return m_rounds; }
    QString roundName() const;
    // Whether the show has used rounds: made a second one or renamed the first.
    bool roundsUsed() const;
    bool betweenTurns() const;
    // The current entries and running order of a round, wherever they are kept now.
    std::vector<Score> entriesOf(int roundId) const;
    brio::BRStringArray waitingOf(int roundId) const;
    rounds::RoundStandings standingsOf(int roundId) const;
    bool roundDone(int roundId) const;
    // Why name cannot name a round (except the round `except`), or empty.
    QString roundNameProblem(const QString& name, std::optional<int> except = std::nullopt) const;
    // Who goes on from the rounds `from` (their best `best`) into a new round.
    rounds::Advancement advancementFrom(const std::vector<int>& from, int best,
                                        rounds::TieRule ties, rounds::RunningOrder order) const;
    // A new round with this running order, made current.
    QString addRound(const QString& name, const QStringList& runningOrder);
    QString renameRound(int roundId, const QString& name);
    QString switchRound(int roundId);
    // Takes out a round without scores (undo brings it back); the current one gives way to
    // the round before it.
    QString removeRound(int roundId);
    // Clap-offs: offered at a tie (for first place when the winners show, or at a cut), run
    // as ordinary turns of only the tied, then their scores order them among themselves.
    const std::optional<rounds::Tie>& clapOffOffer() const { return m_clapOffOffer; }
    void offerClapOff(const std::optional<rounds::Tie>& tie);
    const std::optional<rounds::Tie>& clapOffRunning() const { return m_clapOff; }
    QString startClapOff(const rounds::Tie& tie);
    // The tied keep their shared place; the offer goes.
    void sharePlace();
    // Brings back a stored event's rounds (after restoreEvent brought the current one's).
    void restoreRounds(std::vector<rounds::Round> rounds, int current);

    // The jury (MeterSessionJury.cpp). While it is on, marking opens for a contestant when
    // her turn ends (not a clap-off's turn, which stays applause alone) and stays open until
    // the operator closes it, and the table ranks by the results. Every change is recorded
    // and shown.
    const jury::JuryDesk& jury() const { return m_jury; }
    std::variant<jury::RulesCheck, std::vector<jury::Judge>> setUpJury(const jury::JuryRules& rules);
    void switchJuryOff();
    bool revokeJudge(const QString& judge);
    std::optional<QString> reissueJudge(const QString& judge);
    bool openMarking(std::int64_t order);
    bool closeMarking(std::int64_t order);
    jury::MarkOutcome takeMark(const jury::MarkSent& sent);
    // The contestant's name, wherever she is now (any round); empty for none.
    QString contestantName(std::int64_t order) const;
    // A contestant whose marking is open, with who has marked her ("3 of 5").
    struct OpenMarking {
        std::int64_t order = 0;
        QString name;
        QStringList markedBy;
        int judges = 0;
        // Nobody has marked her: closing now gives her J 0, which the operator is told first.
        bool noMarksYet() const { return markedBy.isEmpty(); }
    };
    // The latest opened first.
    std::vector<OpenMarking> openMarkings() const;
    // A row of the current table as the jury's displays show it.
    struct JuryRow {
        std::int64_t order = 0;
        QString name;
        int applause = 0;
        std::optional<jury::Hundredths> jury;  // J as shown, none without a mark
        ranking::Result result;
        bool pending = false;                  // marking still open: a display shows "…"

        friend bool operator==(const JuryRow&, const JuryRow&) = default;
    };
    std::vector<JuryRow> juryRows() const;
    // Brings back a stored event's jury (after restoreEvent).
    void restoreJury(const std::optional<jury::JuryRules>& rules,
                     const std::vector<jury::Judge>& judges,
                     std::map<std::int64_t, jury::Marking> markings,
                     const std::vector<std::pair<std::int64_t, jury::GivenMark>>& marks);

    // One tick of the clock, exactly as the timer runs it.
    void tickOnce();
    // Whether the 20 ms clock runs: only while a tick could change something, so that a
    // resting meter does not wake the program.
    bool isTicking() const { return m_timerId != 0; }
    // Starts the clock when a tick could change something, and stops it when none could.
    void followClock();
    // The meter may show something else: the clock follows, and every display looks.
    void showChanges();

    // A command about rounds from outside the window; a refusal goes to notice.
    void carryOutRounds(const ShowCommand& command);

    // A duel (MeterSessionDuel.cpp): the sides' names and places; a message for the operator
    // when it cannot start, empty when it began. It ends as any turn does (Enter, an equal
    // turn's window), and then both sides are rows of the table, with the verdict.
    QString startDuel(const QStringList& names, const QStringList& left, const QStringList& right);
    // The duel running, or the last one until the next turn begins.
    const std::optional<Duel>& duel() const { return m_duel; }

signals:
    // The meter (or the waiting names) may have changed: displays compare what they show.
    void displayChanged();
    // The winners began or stopped showing.
    void winnersChanged(bool showing);
    // An equal turn's window ran out, which ended the turn (sent before displayChanged).
    void equalTurnRanOut();
    // A round was made, renamed, removed or switched to, or a clap-off offered, begun or over.
    void roundsChanged();
    // A one-line message for the operator from what drives the show (the microphone failing,
    // a port show control cannot have).
    void notice(const QString& text);
    // One step of a reveal, for whatever marks it (a sound, a light): row is the league
    // table's row whose score has just shown; winner is true when it was the last hidden
    // score and ranks first (the podium follows at once).
    void revealed(int row, bool winner);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    TickInput tickInput() const;
    // Puts a rename or a measurement again that a key has just finished on the undo history.
    void recordFinishedCorrection();
    // Keeps the meter's round in the book, and loads another one into the meter.
    void keepCurrentRound();
    void loadRound(int roundId);
    // Once every tied contestant has had the clap-off's turn, their scores go to the round.
    void finishClapOffWhenMeasured();
    // A turn that begins while scores are hidden is hidden too, and ends a reveal's podium.
    void followHiding();
    // Opens the marking of a turn that has just ended (not a clap-off's), and gives the meter
    // the jury's part in the results (none during a clap-off).
    void followJury(std::optional<std::int64_t> ended);
    void weighResults();
    std::optional<std::int64_t> orderNamed(const QString& name) const;
    // The level the tick hands the meter: the room's, or the left side's during a duel.
    std::optional<int> measuredNow() const;
    // The microphones' own readings for this tick: the room's, or the duel's left side's.
    std::span<const std::uint8_t> microphonesNow();
    // After each tick of a duel: the right side's level and readings.
    void followDuelSides();
    // A duel's turn that ended makes the right side's row; a new turn ends the last duel's show.
    void followDuel();

    brio::BRAppConfig& m_settings;
    MeterCore m_meter;
    QUndoStack m_corrections;
    std::function<bool()> m_listening;
    std::function<std::optional<int>()> m_measured;
    std::function<bool()> m_microphoneInUse;
    std::function<std::optional<int>(const QStringList&)> m_sideLevel;
    std::function<bool(const QString&)> m_placeKnown;
    std::function<void(std::vector<std::uint8_t>&)> m_readEach;
    CurveSource m_roomSource;
    std::vector<std::uint8_t> m_heard;      // this tick's, of every microphone; none unheard
    std::vector<std::uint8_t> m_sideHeard;  // of the duel's left side
    std::optional<Duel> m_duel;
    bool m_duelEnding = false;  // the right side's turn is being made
    QString m_composing;
    bool m_keyboardSpaceDown = false;
    // Show control's and OSC's holds, each by its holder.
    std::set<std::pair<SpaceSource, std::uint64_t>> m_outsideHolds;
    bool m_winners = false;
    bool m_hideScores = false;
    ScoreReveal m_reveal;
    bool m_revealing = false;
    bool m_revealPodium = false;  // the winners show because a reveal ended
    bool m_turnNoted = false;     // the turn under way was seen by followHiding
    int m_timerId = 0;
    QElapsedTimer m_clock;
    TickGapWatch m_tickGaps;
    rounds::RoundBook m_rounds;
    std::optional<rounds::Tie> m_clapOffOffer;
    std::optional<rounds::Tie> m_clapOff;  // running: the meter holds only the tied
    jury::JuryDesk m_jury;
    bool m_juryWeighedClapOff = false;  // the meter's results were last given during a clap-off
};
