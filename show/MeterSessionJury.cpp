// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The session's jury: its intents, what it records and what the displays read of it.

#include "show/MeterSession.h"

#include "brio/BRStringQt.h"

namespace {

QStringList tokensOf(const std::vector<jury::Judge>& judges)
{
    QStringList tokens;
    for (const jury::Judge& judge : judges)
        tokens.append(judge.token);
    return tokens;
}

}  // namespace

std::variant<jury::RulesCheck, std::vector<jury::Judge>>
MeterSession::setUpJury(const jury::JuryRules& rules)
{
    auto outcome = m_jury.setUp(rules);
    if (std::holds_alternative<jury::RulesCheck>(outcome))
        return outcome;
    if (MeterJournal* journal = m_meter.journal())
        journal->jurySetUp(m_jury.rules(), tokensOf(m_jury.judges()));
    weighResults();
    showChanges();
    return outcome;
}

void MeterSession::switchJuryOff()
{
    if (!m_jury.on())
        return;
    m_jury.switchOff();
    if (MeterJournal* journal = m_meter.journal())
        journal->jurySetUp(std::nullopt, {});
    weighResults();
    showChanges();
}

bool MeterSession::revokeJudge(const QString& judge)
{
    if (!m_jury.revoke(judge))
        return false;
    if (MeterJournal* journal = m_meter.journal())
        journal->jurySetUp(m_jury.rules(), tokensOf(m_jury.judges()));
    showChanges();
    return true;
}

std::optional<QString> MeterSession::reissueJudge(const QString& judge)
{
    std::optional<QString> token = m_jury.reissue(judge);
    if (!token)
        return token;
    if (MeterJournal* journal = m_meter.journal())
        journal->jurySetUp(m_jury.rules(), tokensOf(m_jury.judges()));
    showChanges();
    return token;
}

bool MeterSession::openMarking(std::int64_t order)
{
    if (!m_jury.on() || contestantName(order).isEmpty() ||
        !m_jury.open(order, QDateTime::currentDateTime()))
        return false;
    if (MeterJournal* journal = m_meter.journal())
        journal->markingChanged(order, true, m_jury.markings().at(order).rules);
    weighResults();
    showChanges();
    return true;
}

bool MeterSession::closeMarking(std::int64_t order)
{
    if (!m_jury.close(order))
        return false;
    if (MeterJournal* journal = m_meter.journal())
        journal->markingChanged(order, false, m_jury.markings().at(order).rules);
    showChanges();
    return true;
}

jury::MarkOutcome MeterSession::takeMark(const jury::MarkSent& sent)
{
    const QDateTime at = QDateTime::currentDateTime();
    const jury::MarkOutcome outcome = m_jury.take(sent, orderNamed(sent.contestant), at);
    if (outcome != jury::MarkOutcome::Accepted)
        return outcome;
    const std::optional<std::int64_t> order = orderNamed(sent.contestant);
    const jury::Marking& marking = m_jury.markings().at(*order);
    for (const jury::GivenMark& given : marking.marks) {
        if (given.markId != sent.markId || given.at != at)
            continue;
        // Queued for the recorder before the page hears that it counts.
        if (MeterJournal* journal = m_meter.journal())
            journal->markTaken(*order, given.judge, given.markId, given.marks, at);
    }
    weighResults();
    showChanges();
    return outcome;
}

std::optional<std::int64_t> MeterSession::orderNamed(const QString& name) const
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    const auto matches = [&](std::int64_t order) {
        return contestantName(order).compare(wanted, Qt::CaseInsensitive) == 0;
    };
    // One whose marking is open first: a name may have had turns in more than one round.
    for (const std::int64_t order : m_jury.openContestants()) {
        if (matches(order))
            return order;
    }
    std::optional<std::int64_t> latest;
    for (const rounds::Round* round : m_rounds.rounds()) {
        for (const Score& entry : entriesOf(round->id)) {
            if (brio::toQString(entry.name).compare(wanted, Qt::CaseInsensitive) == 0 &&
                (!latest || entry.order > *latest))
                latest = entry.order;
        }
    }
    return latest;
}

QString MeterSession::contestantName(std::int64_t order) const
{
    const LeagueTable& table = m_meter.leagueTable();
    if (const int row = table.rowOf(order); row >= 0)
        return brio::toQString(table.entry(row).name);
    for (const rounds::Round* round : m_rounds.rounds()) {
        for (const Score& entry : entriesOf(round->id)) {
            if (entry.order == order)
                return brio::toQString(entry.name);
        }
    }
    return {};
}

std::vector<MeterSession::OpenMarking> MeterSession::openMarkings() const
{
    std::vector<OpenMarking> open;
    if (!m_jury.on())
        return open;
    for (const std::int64_t order : m_jury.openContestants()) {
        open.push_back(OpenMarking{order, contestantName(order), m_jury.markedBy(order),
                                   static_cast<int>(m_jury.judges().size())});
    }
    return open;
}

std::vector<MeterSession::JuryRow> MeterSession::juryRows() const
{
    std::vector<JuryRow> rows;
    const LeagueTable& table = m_meter.leagueTable();
    for (int row = 0; row < table.count(); ++row) {
        const Score& entry = table.entry(row);
        const std::optional<jury::JuryMark> mark = m_jury.juryMarkOf(entry.order);
        rows.push_back(JuryRow{entry.order, brio::toQString(entry.name), entry.score,
                               mark ? std::optional(mark->hundredths()) : std::nullopt,
                               resultOf(entry), m_jury.pending(entry.order)});
    }
    return rows;
}

void MeterSession::restoreJury(const std::optional<jury::JuryRules>& rules,
                               const std::vector<jury::Judge>& judges,
                               std::map<std::int64_t, jury::Marking> markings,
                               const std::vector<std::pair<std::int64_t, jury::GivenMark>>& marks)
{
    m_jury.restore(rules, judges, std::move(markings), marks);
    weighResults();
    showChanges();
}

void MeterSession::followJury(std::optional<std::int64_t> ended)
{
    // Only a first turn opens it: one measured again keeps her marking as the operator left it.
    if (ended && m_jury.on() && !m_jury.markings().contains(*ended) &&
        m_jury.open(*ended, QDateTime::currentDateTime())) {
        if (MeterJournal* journal = m_meter.journal())
            journal->markingChanged(*ended, true, m_jury.markings().at(*ended).rules);
        weighResults();
    }
    if (m_juryWeighedClapOff != m_clapOff.has_value())
        weighResults();
}

void MeterSession::weighResults()
{
    m_juryWeighedClapOff = m_clapOff.has_value();
    // The clap-off among the tied is the applause's alone.
    if (m_clapOff)
        m_meter.setJury(std::nullopt, {});
    else
        m_meter.setJury(m_jury.base(), m_jury.standings());
}
