// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury's arithmetic: marks on the step, the set-up's checks, J with the drop and the
// criteria, the weighted result and the three awards.
#include "core/jury/JuryResult.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using jury::JuryRules;

JuryRules rules(const std::function<void(JuryRules&)>& change = {})
{
    JuryRules made;
    made.judges = {"Ines", "Oskar", "Pia", "Quentin", "Rosa"};
    if (change)
        change(made);
    return made;
}

TEST(JuryResult, WeighsTheJuryWithTheApplause)
{
    const auto drop = [](JuryRules& r) { r.dropExtremes = true; };
    const auto talent = [](JuryRules& r) {
        r.dropExtremes = true;
        r.criteria = {{"Talent", 2}, {"Stage presence", 1}};
    };
    struct Case {
        const char* what;
        JuryRules rules;
        int applause;
        std::vector<jury::JudgeMarks> marks;
        int juryHundredths;
        int resultTenths;
    } const cases[] = {
        {"the mean of two marks, half and half", rules(), 60, {{800}, {700}}, 750, 675},
        {"a half tenth rounds away from zero", rules([](JuryRules& r) { r.step = 10; }), 61,
         {{750}, {760}}, 755, 683},
        {"a mean that does not end is rounded once", rules(), 50, {{700}, {800}, {800}}, 767, 633},
        {"four marks: the highest and lowest dropped", rules(drop), 40, {{200}, {900}, {700}, {800}}, 750, 575},
        {"three marks: none dropped", rules(drop), 40, {{200}, {900}, {700}}, 600, 500},
        {"tied extremes: one of each dropped", rules(drop), 50, {{900}, {900}, {500}, {500}, {700}}, 700, 600},
        {"a judge missing: the mean of those who marked, too few to drop", rules(drop), 80,
         {{1000}, {600}, {200}}, 600, 700},
        {"no mark at all: J is 0", rules(), 80, {}, 0, 400},
        {"all zero", rules(drop), 0, {{0}, {0}, {0}, {0}}, 0, 0},
        {"criteria: each judge's weighted mean first", rules(talent), 50, {{900, 600}, {600, 900}}, 750, 625},
        {"criteria and the drop", rules(talent), 70, {{1000, 1000}, {0, 0}, {800, 500}, {600, 900}}, 700, 700},
        {"marks that do not fit the criteria are left out", rules(talent), 60, {{800}, {600, 600}}, 600, 600},
        {"30/70", rules([](JuryRules& r) { r.weights = {30, 70}; }), 90, {{500}}, 500, 620},
        {"another maximum", rules([](JuryRules& r) { r.max = 2000; r.step = 100; }), 75, {{1500}}, 1500, 750},
        {"the jury alone", rules([](JuryRules& r) { r.weights = {0, 100}; }), 100, {{1000}}, 1000, 1000},
        {"the jury alone without a mark", rules([](JuryRules& r) { r.weights = {0, 100}; }), 100, {}, 0, 0},
    };
    for (const Case& c : cases) {
        const jury::JuryMark mark = jury::juryMarkOf(c.rules, c.marks);
        EXPECT_EQ(mark.hundredths(), c.juryHundredths) << c.what;
        EXPECT_EQ(ranking::resultOf(c.applause, c.rules, mark).tenths, c.resultTenths) << c.what;
    }
}

TEST(JuryResult, WithTheJuryWeighingNothingTheResultIsTheApplauseAlone)
{
    const JuryRules applauseOnly = rules([](JuryRules& r) { r.weights = {100, 0}; });
    const jury::JuryMark mark = jury::juryMarkOf(applauseOnly, {{1000}, {350}, {0}});
    for (int applause = 0; applause <= 100; ++applause)
        EXPECT_EQ(ranking::resultOf(applause, applauseOnly, mark), ranking::resultOf(applause)) << applause;
}

TEST(JuryResult, TakesOnlyMarksWithinTheRangeAndOnTheStep)
{
    using enum jury::MarkProblem;
    const struct {
        double mark;
        jury::MarkProblem expected;
    } cases[] = {{7.5, None}, {0.0, None}, {10.0, None}, {7.5 + 1e-12, None}, {7.4, OffStep},
                 {7.500001, OffStep}, {9.99, OffStep}, {10.5, OutOfRange}, {10.000001, OutOfRange},
                 {-0.5, OutOfRange}, {-1e-9, OutOfRange}, {NAN, OutOfRange}, {1e300, OutOfRange}};
    for (const auto& c : cases)
        EXPECT_EQ(jury::checkMark(rules(), c.mark), c.expected) << c.mark;
    EXPECT_EQ(jury::checkMark(rules([](JuryRules& r) { r.step = 10; }), 0.1 + 0.2), None);
    EXPECT_FALSE(jury::reasonText(rules(), OffStep).isEmpty());
}

TEST(JuryResult, RefusesABadSetUpWithItsReason)
{
    using enum jury::RulesProblem;
    const struct {
        JuryRules rules;
        jury::RulesCheck expected;
    } cases[] = {
        {rules(), {}},
        {rules([](JuryRules& r) { r.judges.clear(); }), {NoJudges}},
        {rules([](JuryRules& r) { r.judges = QStringList(13, "x"); }), {TooManyJudges}},
        {rules([](JuryRules& r) { r.judges[2] = " "; }), {JudgeBlank, 2}},
        {rules([](JuryRules& r) { r.judges[3] = QString(61, 'a'); }), {JudgeTooLong, 3}},
        {rules([](JuryRules& r) { r.judges[4] = " ines "; }), {JudgeTwice, 4}},
        {rules([](JuryRules& r) { r.max = 0; }), {MaxOutOfRange}},
        {rules([](JuryRules& r) { r.step = 0; }), {StepOutOfRange}},
        {rules([](JuryRules& r) { r.step = 1050; }), {StepOutOfRange}},
        {rules([](JuryRules& r) { r.step = 30; }), {StepNotDividingMax}},
        {rules([](JuryRules& r) { r.criteria = {{"Talent", 1}, {"talent", 1}}; }), {CriterionTwice, 1}},
        {rules([](JuryRules& r) { r.criteria = {{"", 1}}; }), {CriterionBlank, 0}},
        {rules([](JuryRules& r) { r.criteria = {{"Talent", 0}}; }), {CriterionWeightOutOfRange, 0}},
        {rules([](JuryRules& r) { r.criteria = std::vector<jury::Criterion>(9, {"x", 1}); }), {TooManyCriteria}},
        {rules([](JuryRules& r) { r.weights = {101, 0}; }), {WeightOutOfRange}},
        {rules([](JuryRules& r) { r.weights = {0, 0}; }), {WeightsBothZero}},
    };
    for (const auto& c : cases) {
        const jury::RulesCheck check = jury::checkRules(c.rules);
        EXPECT_EQ(check, c.expected) << static_cast<int>(c.expected.problem);
        EXPECT_EQ(jury::reasonText(c.rules, check).isEmpty(), c.expected.problem == None);
    }
    const JuryRules twice = rules([](JuryRules& r) { r.judges[4] = " ines "; });
    EXPECT_TRUE(jury::reasonText(twice, jury::checkRules(twice)).contains("ines"));
}

TEST(JuryResult, TiesShareTheAwards)
{
    using Indexes = std::vector<std::size_t>;
    const auto row = [](int tenths, int applause, std::optional<int> jury, bool removed = false) {
        static std::int64_t order = 0;
        return jury::AwardRow{{ranking::Result{tenths}, std::nullopt, order++, 0, removed}, applause, jury};
    };
    const struct {
        const char* what;
        std::vector<jury::AwardRow> rows;
        Indexes winners, judges, people;
    } cases[] = {
        {"nobody", {}, {}, {}, {}},
        {"three apart", {row(700, 80, 600), row(650, 50, 800), row(600, 90, 300)}, {0}, {1}, {2}},
        {"ties share each award",
         {row(700, 90, 800), row(700, 60, 800), row(500, 90, 200)}, {0, 1}, {0, 1}, {0, 2}},
        {"no marks yet: no Judges' Choice", {row(600, 60, {}), row(400, 40, {})}, {0}, {}, {0}},
        {"all zero", {row(0, 0, 0), row(0, 0, 0)}, {0, 1}, {0, 1}, {0, 1}},
        {"a removed row wins nothing", {row(900, 99, 1000, true), row(100, 10, 100)}, {1}, {1}, {1}},
    };
    for (const auto& c : cases) {
        const jury::Awards awards = jury::awardsOf(c.rows);
        EXPECT_EQ(awards.winners, c.winners) << c.what;
        EXPECT_EQ(awards.judgesChoice, c.judges) << c.what;
        EXPECT_EQ(awards.peoplesChoice, c.people) << c.what;
    }
}

}  // namespace
