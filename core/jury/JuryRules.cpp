// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/jury/JuryRules.h"

#include "core/Translated.h"

#include <cmath>
#include <limits>

namespace jury {

std::optional<Hundredths> hundredthsOf(double value)
{
    const double scaled = value * kPoint;
    if (!std::isfinite(scaled) || std::fabs(scaled) > std::numeric_limits<Hundredths>::max())
        return std::nullopt;
    const double whole = std::round(scaled);
    if (std::fabs(scaled - whole) > 1e-6)
        return std::nullopt;
    return static_cast<Hundredths>(whole);
}

MarkProblem checkMark(const JuryRules& rules, double mark)
{
    if (!std::isfinite(mark) || mark < 0.0)
        return MarkProblem::OutOfRange;
    const std::optional<Hundredths> exact = hundredthsOf(mark);
    if (exact ? *exact > rules.max : mark > static_cast<double>(rules.max) / kPoint)
        return MarkProblem::OutOfRange;
    if (!exact || rules.step <= 0 || *exact % rules.step != 0)
        return MarkProblem::OffStep;
    return MarkProblem::None;
}

namespace {

// The first name of the list that is blank, too long or a repeat, with its index.
RulesCheck checkNames(const QStringList& names, RulesProblem blank, RulesProblem tooLong,
                      RulesProblem twice)
{
    QStringList seen;
    for (int index = 0; index < names.size(); ++index) {
        const QString name = names[index].trimmed();
        if (name.isEmpty())
            return {blank, index};
        if (name.size() > kLongestName)
            return {tooLong, index};
        if (seen.contains(name, Qt::CaseInsensitive))
            return {twice, index};
        seen.append(name);
    }
    return {};
}

bool isWeight(int weight)
{
    return weight >= 0 && weight <= kHighestWeight;
}

}  // namespace

RulesCheck checkRules(const JuryRules& rules)
{
    if (rules.judges.isEmpty())
        return {RulesProblem::NoJudges};
    if (rules.judges.size() > kMostJudges)
        return {RulesProblem::TooManyJudges};
    if (RulesCheck judges = checkNames(rules.judges, RulesProblem::JudgeBlank,
                                       RulesProblem::JudgeTooLong, RulesProblem::JudgeTwice);
        judges.problem != RulesProblem::None)
        return judges;
    if (rules.max <= 0 || rules.max > kHighestMax)
        return {RulesProblem::MaxOutOfRange};
    if (rules.step <= 0 || rules.step > rules.max)
        return {RulesProblem::StepOutOfRange};
    if (rules.max % rules.step != 0)
        return {RulesProblem::StepNotDividingMax};
    if (rules.criteria.size() > static_cast<std::size_t>(kMostCriteria))
        return {RulesProblem::TooManyCriteria};
    QStringList criteria;
    for (const Criterion& criterion : rules.criteria)
        criteria.append(criterion.name);
    if (RulesCheck names = checkNames(criteria, RulesProblem::CriterionBlank,
                                      RulesProblem::CriterionTooLong, RulesProblem::CriterionTwice);
        names.problem != RulesProblem::None)
        return names;
    for (std::size_t index = 0; index < rules.criteria.size(); ++index) {
        if (const int weight = rules.criteria[index].weight; weight < 1 || weight > kHighestWeight)
            return {RulesProblem::CriterionWeightOutOfRange, static_cast<int>(index)};
    }
    if (!isWeight(rules.weights.applause) || !isWeight(rules.weights.jury))
        return {RulesProblem::WeightOutOfRange};
    if (rules.weights.applause == 0 && rules.weights.jury == 0)
        return {RulesProblem::WeightsBothZero};
    return {};
}

namespace {

QString text(const char* source)
{
    return translated("JuryRules", source);
}

QString points(Hundredths value)
{
    return QString::number(static_cast<double>(value) / kPoint, 'g', 10);
}

}  // namespace

QString reasonText(const JuryRules& rules, const RulesCheck& check)
{
    const int number = check.index + 1;
    const auto judge = [&] { return rules.judges.value(check.index).trimmed(); };
    const auto criterion = [&] {
        return check.index >= 0 && check.index < static_cast<int>(rules.criteria.size())
                   ? rules.criteria[static_cast<std::size_t>(check.index)].name.trimmed()
                   : QString();
    };
    switch (check.problem) {
    case RulesProblem::None:
        return {};
    case RulesProblem::NoJudges:
        return text(QT_TRANSLATE_NOOP("JuryRules", "Name at least one judge."));
    case RulesProblem::TooManyJudges:
        return text(QT_TRANSLATE_NOOP("JuryRules", "A jury has at most %1 judges.")).arg(kMostJudges);
    case RulesProblem::JudgeBlank:
        return text(QT_TRANSLATE_NOOP("JuryRules", "Judge %1 has no name.")).arg(number);
    case RulesProblem::JudgeTooLong:
        return text(QT_TRANSLATE_NOOP("JuryRules", "Judge %1's name is longer than %2 characters."))
            .arg(number)
            .arg(kLongestName);
    case RulesProblem::JudgeTwice:
        return text(QT_TRANSLATE_NOOP("JuryRules", "\"%1\" is named twice among the judges.")).arg(judge());
    case RulesProblem::MaxOutOfRange:
        return text(QT_TRANSLATE_NOOP("JuryRules", "The highest mark must be above 0 and at most %1."))
            .arg(points(kHighestMax));
    case RulesProblem::StepOutOfRange:
        return text(QT_TRANSLATE_NOOP("JuryRules", "The step must be above 0 and at most the highest mark."));
    case RulesProblem::StepNotDividingMax:
        return text(QT_TRANSLATE_NOOP("JuryRules", "Steps of %1 do not reach the highest mark, %2."))
            .arg(points(rules.step), points(rules.max));
    case RulesProblem::TooManyCriteria:
        return text(QT_TRANSLATE_NOOP("JuryRules", "A jury marks at most %1 criteria.")).arg(kMostCriteria);
    case RulesProblem::CriterionBlank:
        return text(QT_TRANSLATE_NOOP("JuryRules", "Criterion %1 has no name.")).arg(number);
    case RulesProblem::CriterionTooLong:
        return text(QT_TRANSLATE_NOOP("JuryRules", "Criterion %1's name is longer than %2 characters."))
            .arg(number)
            .arg(kLongestName);
    case RulesProblem::CriterionTwice:
        return text(QT_TRANSLATE_NOOP("JuryRules", "\"%1\" is named twice among the criteria.")).arg(criterion());
    case RulesProblem::CriterionWeightOutOfRange:
        return text(QT_TRANSLATE_NOOP("JuryRules", "The weight of \"%1\" must be from 1 to %2."))
            .arg(criterion())
            .arg(kHighestWeight);
    case RulesProblem::WeightOutOfRange:
        return text(QT_TRANSLATE_NOOP("JuryRules", "The weights of the applause and the jury must be from 0 to %1."))
            .arg(kHighestWeight);
    case RulesProblem::WeightsBothZero:
        return text(QT_TRANSLATE_NOOP("JuryRules", "The applause and the jury cannot both weigh 0."));
    }
    return {};
}

QString reasonText(const JuryRules& rules, MarkProblem problem)
{
    switch (problem) {
    case MarkProblem::None:
        return {};
    case MarkProblem::OutOfRange:
        return text(QT_TRANSLATE_NOOP("JuryRules", "A mark is from 0 to %1.")).arg(points(rules.max));
    case MarkProblem::OffStep:
        return text(QT_TRANSLATE_NOOP("JuryRules", "A mark goes in steps of %1.")).arg(points(rules.step));
    }
    return {};
}

}  // namespace jury
