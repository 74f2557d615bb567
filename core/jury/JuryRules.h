// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The jury's set-up as plain data, and what a mark and a set-up must be. Marks are kept as
// whole hundredths of a point, so that 7.5 on a 0.5 step is exact and a mark a hair off the
// step is refused rather than rounded onto it.
namespace jury {

using Hundredths = std::int32_t;
constexpr Hundredths kPoint = 100;

constexpr int kMostJudges = 12;
constexpr int kMostCriteria = 8;
constexpr int kLongestName = 60;
constexpr Hundredths kHighestMax = 100 * kPoint;
constexpr int kHighestWeight = 100;

struct Criterion {
    QString name;
    int weight = 1;  // 1 to kHighestWeight
};

// How much the applause and the jury count in the result, 0 to kHighestWeight each.
struct Weights {
    int applause = 50;
    int jury = 50;

    friend bool operator==(const Weights&, const Weights&) = default;
};

struct JuryRules {
    QStringList judges;
    Hundredths max = 10 * kPoint;
    Hundredths step = kPoint / 2;
    std::vector<Criterion> criteria;  // none: each judge gives one mark
    bool dropExtremes = false;        // each contestant's highest and lowest, from 4 marks up
    Weights weights;
};

// A number as whole hundredths, or none when it is not one (7.505, NaN, too large). A double
// read from JSON is trusted to a millionth of a hundredth, far below any step.
std::optional<Hundredths> hundredthsOf(double value);

enum class MarkProblem { None, OutOfRange, OffStep };

// Whether the mark can be given under these rules.
MarkProblem checkMark(const JuryRules& rules, double mark);

enum class RulesProblem {
    None,
    NoJudges,
    TooManyJudges,
    JudgeBlank,
    JudgeTooLong,
    JudgeTwice,
    MaxOutOfRange,
    StepOutOfRange,
    StepNotDividingMax,
    TooManyCriteria,
    CriterionBlank,
    CriterionTooLong,
    CriterionTwice,
    CriterionWeightOutOfRange,
    WeightOutOfRange,
    WeightsBothZero,
};

// The first problem of a set-up, with the judge or criterion it is about (from 0), if any.
struct RulesCheck {
    RulesProblem problem = RulesProblem::None;
    int index = -1;

    friend bool operator==(const RulesCheck&, const RulesCheck&) = default;
};

// Names are compared trimmed and regardless of case: "Ines" and "ines " are one judge.
RulesCheck checkRules(const JuryRules& rules);

// What is wrong, in the user's language, naming the judge or criterion; empty for none.
QString reasonText(const JuryRules& rules, const RulesCheck& check);
QString reasonText(const JuryRules& rules, MarkProblem problem);

}  // namespace jury
