// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/MeterSession.h"

#include "brio/BRStringQt.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/RevealSettings.h"
#include "core/settings/SettingsAccess.h"
#include "core/settings/TurnSettings.h"
#include "show/CorrectionCommands.h"
#include "store/StoreMessages.h"

#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QTimerEvent>

#include <algorithm>
#include <chrono>

namespace {

// Off unless asked for (QT_LOGGING_RULES="ovatron.ticks.info=true"): the soak reads it.
Q_LOGGING_CATEGORY(lcTicks, "ovatron.ticks", QtWarningMsg)

}  // namespace

MeterSession::MeterSession(brio::BRAppConfig& settings, QObject* parent)
    : MeterSession(settings, loadDisplaySettings(settings), parent)
{
}

MeterSession::MeterSession(brio::BRAppConfig& settings, const DisplaySettings& stored,
                           QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_meter(stored.useLeagueTable, stored.showSummaryScreen),
      m_rounds(brio::fromQString(StoreMessages::firstRoundName()))
{
    m_meter.setTurnSeconds(loadTurnSeconds(settings));
    m_hideScores = loadHideScores(settings);
    m_clock.start();
    // The turn length is also chosen beside the microphone; the store tells of every change.
    connect(&settings, &brio::BRAppConfig::valueChanged, this,
            [this](const QString& key, const QString& value) {
                if (key != QLatin1String(kTurnSecondsKey))
                    return;
                m_meter.setTurnSeconds(integerFromStoredText(Setting::TurnSeconds, value));
                followClock();
            });
}

MeterSession::~MeterSession()
{
    // The commands on the history hold the meter; they go first, without news of it: whoever
    // listens to the history may be going too (the window that owns this session).
    const QSignalBlocker quiet(&m_corrections);
    m_corrections.clear();
}

void MeterSession::setListening(std::function<bool()> listening)
{
    m_listening = std::move(listening);
    followClock();
}

void MeterSession::setMeasuredLevel(std::function<std::optional<int>()> measured,
                                    std::function<bool()> inUse)
{
    m_measured = std::move(measured);
    m_microphoneInUse = std::move(inUse);
    followClock();
}

TickInput MeterSession::tickInput() const
{
    const bool outsideHolds = !m_outsideHolds.empty();
    return TickInput{listening() || outsideHolds, m_keyboardSpaceDown || outsideHolds};
}

void MeterSession::tickOnce()
{
    // A tick may end an equal turn, and with it name entry may begin.
    const bool windowRuns = m_meter.countdownSeconds().has_value();
    const std::optional<int> measured = measuredNow();
    if (!measured)
        m_heard.clear();
    const bool changed = m_meter.tick(tickInput(), measured,
                                      measured ? microphonesNow() : std::span<const std::uint8_t>{});
    followDuelSides();
    if (changed) {
        if (windowRuns && !m_meter.countdownSeconds())
            emit equalTurnRanOut();
        showChanges();
    } else {
        followClock();
    }
}

void MeterSession::followClock()
{
    const bool microphone = m_meter.state() == MeterState::Measuring && m_microphoneInUse &&
                            m_microphoneInUse();
    const bool needed = microphone || m_meter.tickCanChange(tickInput());
    if (needed && m_timerId == 0) {
        m_timerId = startTimer(kTickMilliseconds, Qt::PreciseTimer);
        m_tickGaps.restart();  // the time it slept is no gap
    } else if (!needed && m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}

void MeterSession::showChanges()
{
    // Whose turn just ended, taken while it is known whether it was a clap-off's.
    const std::optional<std::int64_t> ended = m_meter.takeEndedTurn();
    const bool clapOffTurn = m_clapOff.has_value();
    followDuel();
    finishClapOffWhenMeasured();
    followJury(clapOffTurn ? std::nullopt : ended);
    followClock();
    followHiding();
    emit displayChanged();
}

void MeterSession::followHiding()
{
    if (m_meter.state() != MeterState::Measuring) {
        m_turnNoted = false;
        return;
    }
    const LeagueTable& table = m_meter.leagueTable();
    if (m_turnNoted || !table.contains(m_meter.currentIndex()))
        return;
    m_turnNoted = true;
    if (!m_hideScores)
        return;
    const std::int64_t order = table.entry(m_meter.currentIndex()).order;
    if (!isHidden(m_reveal, order))
        m_reveal.hidden.push_back(order);
    // A turn between the presses ends the reveal; who was still hidden stays so.
    m_revealing = false;
    m_reveal.pair.clear();
    if (m_revealPodium) {
        m_revealPodium = false;
        setWinnersShowing(false);
    }
}

void MeterSession::setHideScores(bool hide)
{
    if (hide == m_hideScores)
        return;
    m_hideScores = hide;
    storeHideScores(m_settings, hide);
    if (!hide) {
        m_reveal = ScoreReveal();
        m_revealing = false;
    }
    m_turnNoted = false;  // a turn under way is hidden from now on
    showChanges();
}

QStringList MeterSession::hiddenNames() const
{
    QStringList names;
    const LeagueTable& table = m_meter.leagueTable();
    for (const std::int64_t order : m_reveal.hidden) {
        const int row = table.rowOf(order);
        if (row >= 0)
            names.append(brio::toQString(table.entry(row).name));
    }
    return names;
}

bool MeterSession::canReveal() const
{
    const LeagueTable& table = m_meter.leagueTable();
    const bool anyHidden = std::any_of(m_reveal.hidden.begin(), m_reveal.hidden.end(),
                                       [&](std::int64_t order) { return table.rowOf(order) >= 0; });
    return anyHidden && m_meter.state() != MeterState::Measuring;
}

void MeterSession::reveal()
{
    if (!canReveal())
        return;
    const RevealStep step = revealNext(m_reveal, m_meter.leagueTable());
    if (step.order < 0)
        return;
    m_revealing = !m_reveal.hidden.empty();
    showChanges();
    emit revealed(m_meter.leagueTable().rowOf(step.order), step.winner);
    if (m_reveal.hidden.empty()) {
        m_revealPodium = true;
        setWinnersShowing(true);
    }
}

void MeterSession::endReveal()
{
    if (!m_revealing)
        return;
    m_reveal = ScoreReveal();
    m_revealing = false;
    showChanges();
}

void MeterSession::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        QObject::timerEvent(event);
        return;
    }
    if (m_tickGaps.tick(std::chrono::milliseconds(m_clock.elapsed())))
        qCInfo(lcTicks) << "largest tick gap so far:" << m_tickGaps.largest().count() << "ms";
    tickOnce();
}

void MeterSession::pressKey(int code)
{
    // Enter begins a turn without a change to show, leaving it to the clock's first tick; a
    // turn resting at 0 does not start the clock, so the displays look now.
    m_meter.onChar(code);
    recordFinishedCorrection();
    showChanges();
}

void MeterSession::carryOut(const ShowCommand& command, SpaceSource from)
{
    switch (command.kind) {
    case ShowCommand::Kind::Contestant:
        // What the operator had typed gives way to the remote's name.
        pressKey(MeterCore::kEscape);
        typeText(brio::fromQString(command.name));
        pressKey(MeterCore::kEnter);
        break;
    case ShowCommand::Kind::Next:
        if (m_meter.state() == MeterState::Summary)
            pressKey(MeterCore::kEnter);
        else if (m_meter.startNextWaiting())
            showChanges();
        break;
    case ShowCommand::Kind::Enter:
        pressKey(MeterCore::kEnter);
        break;
    case ShowCommand::Kind::Escape:
        pressKey(MeterCore::kEscape);
        break;
    case ShowCommand::Kind::Applause:
        setSpaceDown(from, command.down, command.holder);
        break;
    case ShowCommand::Kind::Winners:
        setWinnersShowing(!m_winners);
        break;
    case ShowCommand::Kind::NewRound:
    case ShowCommand::Kind::ClapOff:
    case ShowCommand::Kind::SwitchRound:
    case ShowCommand::Kind::RenameRound:
        carryOutRounds(command);
        break;
    case ShowCommand::Kind::Reveal:
        reveal();
        break;
    case ShowCommand::Kind::Duel:
        if (const QString refused = startDuel(command.names, command.left, command.right);
            !refused.isEmpty())
            emit notice(refused);
        break;
    case ShowCommand::Kind::CloseMarking:
        for (const OpenMarking& open : openMarkings()) {
            if (open.name.compare(command.name.trimmed(), Qt::CaseInsensitive) == 0)
                closeMarking(open.order);
        }
        break;
    }
}

bool MeterSession::setComposing(const QString& text)
{
    if (text == m_composing)
        return false;
    m_composing = text;
    return true;
}

bool MeterSession::typeText(const brio::BRString& text)
{
    const bool typed = m_meter.onText(text);
    if (typed)
        showChanges();
    return typed;
}

void MeterSession::moveSelection(int step)
{
    if (m_meter.moveSelection(step))
        showChanges();
}

void MeterSession::setSpaceDown(SpaceSource source, bool down, std::uint64_t holder)
{
    if (source == SpaceSource::Keyboard)
        m_keyboardSpaceDown = down;
    else if (down)
        m_outsideHolds.insert({source, holder});
    else
        m_outsideHolds.erase({source, holder});
    followClock();
}

void MeterSession::releaseAll(SpaceSource source)
{
    if (source == SpaceSource::Keyboard)
        m_keyboardSpaceDown = false;
    std::erase_if(m_outsideHolds, [source](const auto& hold) { return hold.first == source; });
    followClock();
}

bool MeterSession::spaceDown(SpaceSource source) const
{
    if (source == SpaceSource::Keyboard)
        return m_keyboardSpaceDown;
    return std::any_of(m_outsideHolds.begin(), m_outsideHolds.end(),
                       [source](const auto& hold) { return hold.first == source; });
}

void MeterSession::beginRename()
{
    m_meter.beginRename();
    showChanges();
}

void MeterSession::removeContestant(const std::function<bool(const QString& name)>& confirm)
{
    const int row = m_meter.correctionRow();
    if (!m_meter.correctionsAllowed() || row < 0 || !confirm)
        return;
    const Score entry = m_meter.leagueTable().entry(row);
    if (!confirm(brio::toQString(entry.name)))
        return;
    correction::Removed removed{m_meter.removeEntries({entry.order})};
    m_corrections.push(new RemoveCommand(m_meter, [this]() { showChanges(); }, removed));
    showChanges();
}

void MeterSession::measureAgain()
{
    m_meter.measureAgain();
    showChanges();
}

void MeterSession::clearLeagueTable()
{
    correction::Removed cleared{m_meter.clearLeagueTable()};
    if (!cleared.entries.empty())
        m_corrections.push(new ClearTableCommand(m_meter, [this]() { showChanges(); }, cleared));
    showChanges();
}

void MeterSession::undo()
{
    if (m_meter.correctionsAllowed())
        m_corrections.undo();
}

void MeterSession::redo()
{
    if (m_meter.correctionsAllowed())
        m_corrections.redo();
}

void MeterSession::recordFinishedCorrection()
{
    const std::optional<Correction> finished = m_meter.takeCorrection();
    if (!finished)
        return;
    const auto shown = [this]() { showChanges(); };
    if (const auto* renamed = std::get_if<correction::Renamed>(&*finished)) {
        m_corrections.push(new RenameCommand(m_meter, shown, *renamed));
    } else if (const auto* measured = std::get_if<correction::Remeasured>(&*finished)) {
        const int row = m_meter.leagueTable().rowOf(measured->order);
        const QString name = row >= 0 ? brio::toQString(m_meter.leagueTable().entry(row).name)
                                      : QString();
        m_corrections.push(new MeasureAgainCommand(m_meter, shown, *measured, name));
    }
}

void MeterSession::toggleLeagueTable()
{
    // The table starts afresh: nothing before it can be taken back.
    m_corrections.clear();
    m_meter.toggleLeagueTable();
    showChanges();
    storeUseLeagueTable(m_settings, m_meter.useLeagueTable());
}

void MeterSession::toggleSummaryScreen()
{
    // Takes effect at the next Enter after a measurement; nothing on screen changes now.
    m_meter.toggleSummaryScreen();
    storeShowSummaryScreen(m_settings, m_meter.showSummaryScreen());
}

void MeterSession::setTurnSeconds(int seconds)
{
    m_meter.setTurnSeconds(seconds);
    storeTurnSeconds(m_settings, m_meter.turnSeconds());
}

void MeterSession::setWinnersShowing(bool showing)
{
    if (showing == m_winners)
        return;
    m_winners = showing;
    if (!showing)
        m_revealPodium = false;
    // Two or more sharing first place are offered a clap-off as the winners show.
    if (m_winners && !m_clapOff)
        offerClapOff(rounds::tieForFirst(standingsOf(m_rounds.currentId())));
    emit winnersChanged(m_winners);
}

void MeterSession::restartWithPreloadList(const brio::BRStringArray& names)
{
    m_corrections.clear();  // a new running order starts the table afresh
    m_meter.preloadList() = names;
    m_meter.restartWithPreloadList();
    showChanges();
}

void MeterSession::restoreEvent(const std::vector<Score>& entries,
                                const brio::BRStringArray& waiting, std::int64_t nextOrder)
{
    m_corrections.clear();
    m_meter.restoreEvent(entries, waiting, nextOrder);
    showChanges();
}
