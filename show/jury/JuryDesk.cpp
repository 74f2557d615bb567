// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/jury/JuryDesk.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace jury {
namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Compares every character, so that how long a wrong token took says nothing of the right one.
bool sameToken(const QString& a, const QString& b)
{
    if (a.size() != b.size() || a.isEmpty())
        return false;
    char16_t differ = 0;
    for (qsizetype index = 0; index < a.size(); ++index)
        differ |= a[index].unicode() ^ b[index].unicode();
    return differ == 0;
}

MarkOutcome outcomeOf(MarkProblem problem)
{
    return problem == MarkProblem::OutOfRange ? MarkOutcome::OutOfRange : MarkOutcome::OffStep;
}

}  // namespace

QString newJudgeToken()
{
    std::array<quint32, 4> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    QString token;
    for (const quint32 word : bits)
        token += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return token;
}

std::variant<MarkOutcome, JudgeMarks> marksOf(const JuryRules& rules,
                                              const std::vector<std::pair<QString, double>>& sent)
{
    const std::size_t wanted = std::max<std::size_t>(rules.criteria.size(), 1);
    if (sent.size() != wanted)
        return MarkOutcome::CriteriaMismatch;
    JudgeMarks marks(wanted, 0);
    std::vector<bool> given(wanted, false);
    for (const auto& [criterion, mark] : sent) {
        std::size_t index = 0;
        // Without criteria the one mark has no name: a named one was meant for another set-up.
        if (rules.criteria.empty() && !criterion.isEmpty())
            return MarkOutcome::CriteriaMismatch;
        if (!rules.criteria.empty()) {
            const auto found = std::find_if(rules.criteria.begin(), rules.criteria.end(),
                                            [&](const Criterion& c) { return sameName(c.name, criterion); });
            if (found == rules.criteria.end())
                return MarkOutcome::CriteriaMismatch;
            index = static_cast<std::size_t>(found - rules.criteria.begin());
        }
        if (given[index])
            return MarkOutcome::CriteriaMismatch;
        if (const MarkProblem problem = checkMark(rules, mark); problem != MarkProblem::None)
            return outcomeOf(problem);
        marks[index] = *hundredthsOf(mark);
        given[index] = true;
    }
    return marks;
}

std::variant<RulesCheck, std::vector<Judge>> JuryDesk::setUp(const JuryRules& rules)
{
    if (const RulesCheck check = checkRules(rules); check.problem != RulesProblem::None)
        return check;
    std::vector<Judge> judges;
    for (const QString& name : rules.judges) {
        const Judge* kept = judgeNamed(name);
        judges.push_back(Judge{name.trimmed(), kept ? kept->token : newJudgeToken()});
    }
    m_rules = rules;
    m_judges = judges;
    return judges;
}

void JuryDesk::switchOff()
{
    m_rules.reset();
    m_judges.clear();
}

bool JuryDesk::revoke(const QString& judge)
{
    Judge* found = judgeNamed(judge);
    if (found)
        found->token.clear();
    return found != nullptr;
}

std::optional<QString> JuryDesk::reissue(const QString& judge)
{
    Judge* found = judgeNamed(judge);
    if (!found)
        return std::nullopt;
    found->token = newJudgeToken();
    return found->token;
}

bool JuryDesk::open(std::int64_t order, const QDateTime& at)
{
    const auto found = m_markings.find(order);
    if (found == m_markings.end()) {
        if (!m_rules)
            return false;
        m_markings.emplace(order, Marking{true, *m_rules, {}, at, ++m_openings});
        return true;
    }
    if (found->second.open)
        return false;
    found->second.open = true;
    found->second.opened = at;
    found->second.openedAs = ++m_openings;
    return true;
}

bool JuryDesk::close(std::int64_t order)
{
    const auto found = m_markings.find(order);
    if (found == m_markings.end() || !found->second.open)
        return false;
    found->second.open = false;
    return true;
}

MarkOutcome JuryDesk::take(const MarkSent& sent, std::optional<std::int64_t> order,
                           const QDateTime& at)
{
    if (!m_rules)
        return MarkOutcome::NoJury;
    const Judge* judge = judgeWithToken(sent.token);
    if (!judge)
        return MarkOutcome::UnknownToken;
    if (m_markIds.contains({judge->name, sent.markId}))
        return MarkOutcome::Repeated;
    if (!order)
        return MarkOutcome::UnknownContestant;
    const auto found = m_markings.find(*order);
    if (found == m_markings.end() || !found->second.open)
        return MarkOutcome::MarkingClosed;
    Marking& marking = found->second;
    const auto marks = marksOf(marking.rules, sent.marks);
    if (const auto* refused = std::get_if<MarkOutcome>(&marks))
        return *refused;
    keep(marking, GivenMark{judge->name, sent.markId, std::get<JudgeMarks>(marks), at});
    return MarkOutcome::Accepted;
}

void JuryDesk::keep(Marking& marking, const GivenMark& given)
{
    const auto earlier = std::find_if(marking.marks.begin(), marking.marks.end(),
                                      [&](const GivenMark& m) { return sameName(m.judge, given.judge); });
    if (earlier == marking.marks.end())
        marking.marks.push_back(given);
    else
        *earlier = given;  // the latest mark counts
    m_markIds.insert({given.judge, given.markId});
}

std::vector<std::int64_t> JuryDesk::openContestants() const
{
    std::vector<std::pair<std::uint64_t, std::int64_t>> open;
    for (const auto& [order, marking] : m_markings) {
        if (marking.open)
            open.emplace_back(marking.openedAs, order);
    }
    std::sort(open.begin(), open.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::int64_t> orders;
    for (const auto& item : open)
        orders.push_back(item.second);
    return orders;
}

bool JuryDesk::pending(std::int64_t order) const
{
    const auto found = m_markings.find(order);
    return on() && found != m_markings.end() && found->second.open;
}

QStringList JuryDesk::markedBy(std::int64_t order) const
{
    QStringList names;
    const auto found = m_markings.find(order);
    if (found == m_markings.end())
        return names;
    for (const Judge& judge : m_judges) {
        const bool marked = std::any_of(found->second.marks.begin(), found->second.marks.end(),
                                        [&](const GivenMark& m) { return sameName(m.judge, judge.name); });
        if (marked)
            names.append(judge.name);
    }
    return names;
}

std::optional<JuryMark> JuryDesk::juryMarkOf(std::int64_t order) const
{
    const auto found = m_markings.find(order);
    if (found == m_markings.end())
        return std::nullopt;
    std::vector<JudgeMarks> marks;
    for (const GivenMark& given : found->second.marks)
        marks.push_back(given.marks);
    const JuryMark mark = jury::juryMarkOf(found->second.rules, marks);
    return mark.given() ? std::optional(mark) : std::nullopt;
}

std::optional<JuryMark> JuryDesk::markOf(std::int64_t order, const QString& judge) const
{
    const auto found = m_markings.find(order);
    if (found == m_markings.end())
        return std::nullopt;
    for (const GivenMark& given : found->second.marks) {
        if (sameName(given.judge, judge))
            return jury::juryMarkOf(found->second.rules, {given.marks});
    }
    return std::nullopt;
}

std::optional<JuryStanding> JuryDesk::base() const
{
    if (!m_rules)
        return std::nullopt;
    return JuryStanding{m_rules->weights, m_rules->max, JuryMark{}};
}

std::map<std::int64_t, JuryStanding> JuryDesk::standings() const
{
    std::map<std::int64_t, JuryStanding> standings;
    if (!m_rules)
        return standings;
    for (const auto& [order, marking] : m_markings) {
        standings[order] = JuryStanding{m_rules->weights, marking.rules.max,
                                        juryMarkOf(order).value_or(JuryMark{})};
    }
    return standings;
}

void JuryDesk::restore(const std::optional<JuryRules>& rules, const std::vector<Judge>& judges,
                       std::map<std::int64_t, Marking> markings,
                       const std::vector<std::pair<std::int64_t, GivenMark>>& marks)
{
    m_rules = rules;
    m_judges = rules ? judges : std::vector<Judge>{};
    m_markings = std::move(markings);
    m_markIds.clear();
    // Those opened earlier count first; the file keeps the time of each latest opening.
    std::vector<std::pair<QDateTime, std::int64_t>> openings;
    for (auto& [order, marking] : m_markings) {
        marking.marks.clear();
        openings.emplace_back(marking.opened, order);
    }
    std::sort(openings.begin(), openings.end());
    m_openings = 0;
    for (const auto& opening : openings)
        m_markings[opening.second].openedAs = ++m_openings;
    for (const auto& [order, given] : marks) {
        const auto found = m_markings.find(order);
        if (found != m_markings.end())
            keep(found->second, given);
    }
}

std::vector<std::int64_t> JuryDesk::openOrders() const
{
    std::vector<std::int64_t> open;
    for (const auto& [order, marking] : m_markings) {
        if (marking.open)
            open.push_back(order);
    }
    return open;
}

const Judge* JuryDesk::judgeWithToken(const QString& token) const
{
    for (const Judge& judge : m_judges) {
        if (sameToken(judge.token, token))
            return &judge;
    }
    return nullptr;
}

Judge* JuryDesk::judgeNamed(const QString& name)
{
    for (Judge& judge : m_judges) {
        if (sameName(judge.name, name))
            return &judge;
    }
    return nullptr;
}

}  // namespace jury
