// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// MeterSession's rounds and clap-offs: the meter holds the current round (or, while a clap-off
// runs, only the tied), the book holds the rest.
#include "show/MeterSession.h"

#include "brio/BRStringQt.h"
#include "remote/ShowState.h"
#include "store/StoreMessages.h"

#include <QUndoCommand>

#include <algorithm>

namespace {

// A round taken out while empty, on the undo history with the table's corrections.
class RemoveRoundCommand : public QUndoCommand {
public:
    RemoveRoundCommand(const QString& text, std::function<void(bool removed)> apply)
        : QUndoCommand(text), m_apply(std::move(apply))
    {
    }
    void redo() override
    {
        if (!m_first)
            m_apply(true);
        m_first = false;
    }
    void undo() override { m_apply(false); }

private:
    std::function<void(bool)> m_apply;
    bool m_first = true;  // removed before it was pushed
};

std::vector<Score> tableEntries(const LeagueTable& table)
{
    std::vector<Score> entries;
    for (int row = 0; row < table.count(); ++row)
        entries.push_back(table.entry(row));
    return entries;
}

brio::BRStringArray arrayOf(const std::vector<brio::BRString>& names)
{
    brio::BRStringArray array;
    for (const brio::BRString& name : names)
        array.add(name);
    return array;
}

}  // namespace

QString MeterSession::roundName() const
{
    return brio::toQString(m_rounds.current().name);
}

bool MeterSession::roundsUsed() const
{
    const std::vector<const rounds::Round*> all = m_rounds.rounds();
    return m_rounds.nextId() > 1 ||
           std::any_of(all.begin(), all.end(), [](const rounds::Round* round) { return round->named; });
}

bool MeterSession::betweenTurns() const
{
    return m_meter.state() != MeterState::Measuring && !m_meter.renaming() &&
           !m_meter.remeasuring() && !m_clapOff;
}

std::vector<Score> MeterSession::entriesOf(int roundId) const
{
    if (roundId == m_rounds.currentId() && !m_clapOff)
        return tableEntries(m_meter.leagueTable());
    const rounds::Round* round = m_rounds.find(roundId);
    return round ? round->entries : std::vector<Score>();
}

brio::BRStringArray MeterSession::waitingOf(int roundId) const
{
    if (roundId == m_rounds.currentId() && !m_clapOff)
        return m_meter.preloadList();
    const rounds::Round* round = m_rounds.find(roundId);
    return round ? round->waiting : brio::BRStringArray();
}

rounds::RoundStandings MeterSession::standingsOf(int roundId) const
{
    const rounds::Round* round = m_rounds.find(roundId);
    if (!round)
        return {};
    return rounds::standingsOf(round->name, entriesOf(roundId), round->clapOff);
}

bool MeterSession::roundDone(int roundId) const
{
    return rounds::isDone(entriesOf(roundId), static_cast<int>(waitingOf(roundId).size()));
}

QString MeterSession::roundNameProblem(const QString& name, std::optional<int> except) const
{
    switch (m_rounds.check(brio::fromQString(name), except)) {
    case rounds::NameProblem::None:
        return {};
    case rounds::NameProblem::Blank:
        return tr("A round needs a name.");
    case rounds::NameProblem::TooLong:
        return tr("A round's name may have at most %1 characters.").arg(rounds::kLongestName);
    case rounds::NameProblem::Taken:
        return tr("There is already a round called \"%1\".").arg(name.trimmed());
    }
    return {};
}

rounds::Advancement MeterSession::advancementFrom(const std::vector<int>& from, int best,
                                                  rounds::TieRule ties,
                                                  rounds::RunningOrder order) const
{
    std::vector<rounds::RoundStandings> standings;
    for (const int id : from) {
        if (m_rounds.find(id))
            standings.push_back(standingsOf(id));
    }
    return rounds::advance(standings, best, ties, order);
}

void MeterSession::keepCurrentRound()
{
    rounds::Round& round = m_rounds.current();
    round.entries = tableEntries(m_meter.leagueTable());
    round.waiting = m_meter.preloadList();
}

void MeterSession::loadRound(int roundId)
{
    m_rounds.setCurrent(roundId);
    const rounds::Round& round = m_rounds.current();
    m_meter.loadRound(round.entries, round.waiting);
    // The history's corrections name rows of the round left behind.
    m_corrections.clear();
    if (MeterJournal* journal = m_meter.journal())
        journal->roundSwitched(roundId, round.waiting);
}

QString MeterSession::addRound(const QString& name, const QStringList& runningOrder)
{
    if (!betweenTurns())
        return tr("Rounds change between turns only.");
    if (const QString problem = roundNameProblem(name); !problem.isEmpty())
        return problem;
    keepCurrentRound();
    const int id = m_rounds.add(brio::fromQString(name));
    rounds::Round& round = *m_rounds.find(id);
    for (const QString& contestant : runningOrder)
        round.waiting.add(brio::fromQString(contestant));
    if (MeterJournal* journal = m_meter.journal())
        journal->roundNamed(id, round.name);
    m_clapOffOffer.reset();
    loadRound(id);
    setWinnersShowing(false);
    showChanges();
    emit roundsChanged();
    return {};
}

QString MeterSession::renameRound(int roundId, const QString& name)
{
    const rounds::Round* round = m_rounds.find(roundId);
    if (!round || round->removed)
        return tr("There is no such round.");
    if (const QString problem = roundNameProblem(name, roundId); !problem.isEmpty())
        return problem;
    m_rounds.rename(roundId, brio::fromQString(name));
    if (MeterJournal* journal = m_meter.journal())
        journal->roundNamed(roundId, m_rounds.find(roundId)->name);
    showChanges();
    emit roundsChanged();
    return {};
}

QString MeterSession::switchRound(int roundId)
{
    const rounds::Round* round = m_rounds.find(roundId);
    if (!round || round->removed)
        return tr("There is no such round.");
    if (roundId == m_rounds.currentId())
        return {};
    if (!betweenTurns())
        return tr("Rounds change between turns only.");
    keepCurrentRound();
    m_clapOffOffer.reset();
    loadRound(roundId);
    setWinnersShowing(false);
    showChanges();
    emit roundsChanged();
    return {};
}

QString MeterSession::removeRound(int roundId)
{
    const rounds::Round* round = m_rounds.find(roundId);
    if (!round || round->removed)
        return tr("There is no such round.");
    if (!entriesOf(roundId).empty())
        return tr("Only a round without scores can be removed.");
    if (m_rounds.rounds().size() < 2)
        return tr("The only round cannot be removed.");
    if (!betweenTurns())
        return tr("Rounds change between turns only.");
    if (roundId == m_rounds.currentId()) {
        // The round before it (or after it, for the first) becomes current.
        const std::vector<const rounds::Round*> shown = m_rounds.rounds();
        const auto at = std::find_if(shown.begin(), shown.end(), [roundId](const rounds::Round* r) {
            return r->id == roundId;
        });
        const rounds::Round* other = at == shown.begin() ? *(at + 1) : *(at - 1);
        switchRound(other->id);
    }
    const auto apply = [this, roundId](bool removed) {
        m_rounds.setRemoved(roundId, removed);
        if (MeterJournal* journal = m_meter.journal())
            journal->roundRemoved(roundId, removed);
        emit roundsChanged();
    };
    apply(true);
    m_corrections.push(new RemoveRoundCommand(
        tr("Remove Round %1").arg(brio::toQString(round->name)), apply));
    showChanges();
    return {};
}

void MeterSession::offerClapOff(const std::optional<rounds::Tie>& tie)
{
    m_clapOffOffer = tie;
    emit roundsChanged();
}

QString MeterSession::startClapOff(const rounds::Tie& tie)
{
    const rounds::Round* round = m_rounds.named(tie.round);
    if (!round)
        return tr("There is no such round.");
    if (!betweenTurns())
        return tr("A clap-off starts between turns only.");
    std::vector<brio::BRString> names;
    const rounds::RoundStandings standings = standingsOf(round->id);
    for (const brio::BRString& name : tie.names) {
        const bool inRound = std::any_of(standings.rows.begin(), standings.rows.end(),
                                         [&name](const rounds::Standing& row) {
                                             return row.name == name;
                                         });
        if (!inRound)
            return tr("\"%1\" has no score in %2.").arg(brio::toQString(name),
                                                          brio::toQString(round->name));
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    if (names.size() < 2)
        return tr("A clap-off needs two or more contestants.");
    if (round->id != m_rounds.currentId()) {
        if (const QString problem = switchRound(round->id); !problem.isEmpty())
            return problem;
    }
    keepCurrentRound();
    rounds::Round& current = m_rounds.current();
    m_clapOff = rounds::Tie{current.name, names};
    m_clapOffOffer.reset();
    setWinnersShowing(false);
    // The tied wait in a running order of their own, on a table that shows only them.
    const int number = ++current.clapOffsHeld;
    m_meter.loadRound({}, arrayOf(names));
    m_corrections.clear();
    if (MeterJournal* journal = m_meter.journal())
        journal->clapOffStarted(number, arrayOf(names));
    showChanges();
    emit roundsChanged();
    return {};
}

void MeterSession::finishClapOffWhenMeasured()
{
    if (!m_clapOff || m_meter.state() != MeterState::NameEntry ||
        m_meter.preloadList().size() > 0 || m_meter.renaming())
        return;
    const LeagueTable& measured = m_meter.leagueTable();
    rounds::Round& round = m_rounds.current();
    for (const brio::BRString& name : m_clapOff->names) {
        int score = -1;
        for (int row = 0; row < measured.count(); ++row) {
            if (measured.entry(row).name == name)
                score = std::max(score, measured.entry(row).score);
        }
        for (const Score& entry : round.entries) {
            if (entry.name == name && score >= 0)
                round.clapOff[entry.order] = score;
        }
    }
    const std::vector<brio::BRString> tied = m_clapOff->names;
    m_clapOff.reset();
    if (MeterJournal* journal = m_meter.journal())
        journal->clapOffEnded();
    // The round comes back ordered with the clap-off among the tied.
    round.entries = rounds::orderedWithClapOff(round.entries, round.clapOff);
    loadRound(round.id);
    // Tied again: another clap-off among those still alike, or the shared place.
    const rounds::RoundStandings standings = standingsOf(round.id);
    std::vector<brio::BRString> still;
    for (std::size_t index = 0; index < standings.rows.size(); ++index) {
        const rounds::Standing& row = standings.rows[index];
        if (std::find(tied.begin(), tied.end(), row.name) == tied.end())
            continue;
        const bool alike = std::any_of(
            standings.rows.begin(), standings.rows.end(), [&row, &tied](const rounds::Standing& other) {
                return other.name != row.name &&
                       std::find(tied.begin(), tied.end(), other.name) != tied.end() &&
                       rounds::rankAlike(row, other);
            });
        if (alike)
            still.push_back(row.name);
    }
    m_clapOffOffer = still.size() >= 2 ? std::optional<rounds::Tie>({round.name, still})
                                       : std::nullopt;
    emit roundsChanged();
}

void MeterSession::sharePlace()
{
    m_clapOffOffer.reset();
    emit roundsChanged();
}

void MeterSession::restoreRounds(std::vector<rounds::Round> stored, int current)
{
    if (stored.empty())
        return;
    for (rounds::Round& round : stored) {
        round.named = !round.name.empty();
        if (!round.named)
            round.name = brio::fromQString(StoreMessages::firstRoundName());
    }
    m_rounds.restore(std::move(stored), current);
    // The meter already holds the current round's table, from restoreEvent.
    emit roundsChanged();
    showChanges();
}

void MeterSession::carryOutRounds(const ShowCommand& command)
{
    const rounds::Round* round = m_rounds.named(brio::fromQString(command.name));
    QString problem;
    switch (command.kind) {
    case ShowCommand::Kind::NewRound: {
        std::vector<int> from;
        for (const QString& name : command.names) {
            if (const rounds::Round* earlier = m_rounds.named(brio::fromQString(name)))
                from.push_back(earlier->id);
        }
        const rounds::Advancement advancing = advancementFrom(
            from, command.best,
            command.shareTies ? rounds::TieRule::Share : rounds::TieRule::Refuse,
            rounds::RunningOrder::RoundsInOrder);
        if (!advancing.ties.empty()) {
            offerClapOff(advancing.ties.front());
            problem = tr("A tie at the cut in %1: hold a clap-off first, or share the place.")
                          .arg(brio::toQString(advancing.ties.front().round));
            break;
        }
        QStringList order;
        for (const brio::BRString& name : advancing.names)
            order << brio::toQString(name);
        problem = addRound(command.name, order);
        break;
    }
    case ShowCommand::Kind::ClapOff: {
        rounds::Tie tie{brio::fromQString(command.name), {}};
        for (const QString& name : command.names)
            tie.names.push_back(brio::fromQString(name));
        problem = startClapOff(tie);
        break;
    }
    case ShowCommand::Kind::SwitchRound:
        problem = round ? switchRound(round->id) : tr("There is no such round.");
        break;
    case ShowCommand::Kind::RenameRound:
        problem = round ? renameRound(round->id, command.to) : tr("There is no such round.");
        break;
    default:
        break;
    }
    if (!problem.isEmpty())
        emit notice(problem);
}

void addRounds(ShowState& state, const MeterSession& session)
{
    const rounds::RoundBook& book = session.roundBook();
    state.round = session.roundName();
    for (const rounds::Round* round : book.rounds())
        state.rounds.push_back(ShowRound{brio::toQString(round->name), session.roundDone(round->id),
                                         session.standingsOf(round->id)});
    state.clapOffRunning = session.clapOffRunning().has_value();
    state.clapOff = state.clapOffRunning ? session.clapOffRunning() : session.clapOffOffer();
}
