// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/RemoteJury.h"

#include "show/MeterSession.h"

#include <algorithm>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

JuryAnswer refused(int status, const QString& why)
{
    return JuryAnswer{status, why, {}};
}

JuryAnswer answerMark(MeterSession& session, const JuryRequest& request)
{
    const jury::MarkOutcome outcome =
        session.takeMark(jury::MarkSent{request.token, request.name, request.marks, request.markId});
    const jury::JuryRules rules = session.jury().rules().value_or(jury::JuryRules{});
    using Outcome = jury::MarkOutcome;
    switch (outcome) {
    case Outcome::Accepted:
    case Outcome::Repeated:
        return {};
    case Outcome::NoJury:
        return refused(403, QStringLiteral("there is no jury"));
    case Outcome::UnknownToken:
        return refused(403, QStringLiteral("this judge's link has been revoked"));
    case Outcome::UnknownContestant:
        return refused(404, QStringLiteral("there is no contestant called \"%1\"").arg(request.name));
    case Outcome::MarkingClosed:
        return refused(409, QStringLiteral("the marking of \"%1\" is closed").arg(request.name));
    case Outcome::OutOfRange:
        return refused(400, jury::reasonText(rules, jury::MarkProblem::OutOfRange));
    case Outcome::OffStep:
        return refused(400, jury::reasonText(rules, jury::MarkProblem::OffStep));
    case Outcome::CriteriaMismatch:
        break;
    }
    return refused(400, QStringLiteral("give one mark, or one for each criterion"));
}

// The contestant of this name in the current table.
std::optional<std::int64_t> orderInTable(const MeterSession& session, const QString& name)
{
    for (const MeterSession::JuryRow& row : session.juryRows()) {
        if (sameName(row.name, name))
            return row.order;
    }
    return std::nullopt;
}

JuryAnswer answerMarking(MeterSession& session, const JuryRequest& request)
{
    if (!session.jury().on())
        return refused(409, QStringLiteral("there is no jury"));
    const std::vector<MeterSession::OpenMarking> open = session.openMarkings();
    const auto opened = std::find_if(open.begin(), open.end(), [&](const auto& marking) {
        return sameName(marking.name, request.name);
    });
    if (request.kind == JuryRequest::Kind::Close && opened != open.end()) {
        session.closeMarking(opened->order);
        return {};
    }
    const std::optional<std::int64_t> order = orderInTable(session, request.name);
    if (!order)
        return refused(404, QStringLiteral("there is no contestant called \"%1\"").arg(request.name));
    if (request.kind == JuryRequest::Kind::Close)
        return refused(409, QStringLiteral("the marking of \"%1\" is not open").arg(request.name));
    // Opening what is open already changes nothing, and is no fault.
    session.openMarking(*order);
    return {};
}

}  // namespace

void addJury(ShowState& state, const MeterSession& session)
{
    const jury::JuryDesk& desk = session.jury();
    if (!desk.on())
        return;
    ShowJury shown{*desk.rules(), {}, {}, {}, {}};
    shown.rules.judges.clear();
    for (const jury::Judge& judge : desk.judges())
        shown.rules.judges << judge.name;
    const std::vector<MeterSession::JuryRow> rows = session.juryRows();
    const LeagueTable& table = session.meter().leagueTable();
    std::vector<jury::AwardRow> awardRows;
    for (std::size_t index = 0; index < rows.size() && index < state.table.size(); ++index) {
        state.table[index].result = rows[index].result;
        state.table[index].jury = rows[index].jury;
        if (static_cast<int>(index) < table.count())
            awardRows.push_back(jury::AwardRow{rankingRow(table.entry(static_cast<int>(index))),
                                               rows[index].applause, rows[index].jury});
    }
    const jury::Awards awards = jury::awardsOf(awardRows);
    const auto names = [&](const std::vector<std::size_t>& winners) {
        QStringList named;
        for (const std::size_t row : winners)
            named << state.table[row].name;
        return named;
    };
    shown.winners = names(awards.winners);
    shown.judgesChoice = names(awards.judgesChoice);
    shown.peoplesChoice = names(awards.peoplesChoice);
    for (const MeterSession::OpenMarking& open : session.openMarkings()) {
        shown.open << open.name;
        const jury::Marking& marking = desk.markings().at(open.order);
        shown.rulesOf[open.name] = marking.rules;
        for (const jury::GivenMark& given : marking.marks)
            shown.own[given.judge][open.name] = given.marks;
    }
    for (const auto& [order, marking] : desk.markings()) {
        const QStringList judges = desk.markedBy(order);
        if (!judges.isEmpty())
            shown.marked.emplace_back(session.contestantName(order), judges);
    }
    state.jury = std::move(shown);
}

std::vector<JudgeToken> judgeTokensOf(const MeterSession& session)
{
    std::vector<JudgeToken> tokens;
    for (const jury::Judge& judge : session.jury().judges())
        tokens.push_back(JudgeToken{judge.name, judge.token});
    return tokens;
}

JuryAnswer answerJury(MeterSession& session, const JuryRequest& request)
{
    switch (request.kind) {
    case JuryRequest::Kind::SetUp: {
        auto outcome = session.setUpJury(request.rules);
        if (const auto* check = std::get_if<jury::RulesCheck>(&outcome))
            return refused(400, jury::reasonText(request.rules, *check));
        JuryAnswer answer;
        for (const jury::Judge& judge : std::get<std::vector<jury::Judge>>(outcome))
            answer.judges.push_back(JudgeToken{judge.name, judge.token});
        return answer;
    }
    case JuryRequest::Kind::Mark:
        return answerMark(session, request);
    case JuryRequest::Kind::Close:
    case JuryRequest::Kind::Open:
        break;
    }
    return answerMarking(session, request);
}
