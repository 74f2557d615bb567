// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The ranked table as CSV: RFC 4180 quoting, CR LF line ends, UTF-8, shared ranks for ties.
#include "store/Ranking.h"
#include "store/ResultsCsv.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

StoredEntry entry(const QString& name, int score, qint64 order = 0)
{
    StoredEntry stored;
    stored.name = name;
    stored.score = score;
    stored.order = order;
    return stored;
}

struct FieldCase {
    const char* name;
    QString text;
    QString field;
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class CsvField : public testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsQuotedOnlyWhenItMustBe)
{
    EXPECT_EQ(csvField(GetParam().text).toStdString(), GetParam().field.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Names, CsvField,
    testing::Values(FieldCase{"Plain", QStringLiteral("Ana Smith"), QStringLiteral("Ana Smith")},
        FieldCase{"Empty", QString(), QString()},
        FieldCase{"SpacesKept", QStringLiteral(" Ben "), QStringLiteral(" Ben ")},
        FieldCase{"Comma", QStringLiteral("Smith, Ana"), QStringLiteral("\"Smith, Ana\"")},
        FieldCase{"Quote", QStringLiteral("Ana \"Ace\" Smith"),
            QStringLiteral("\"Ana \"\"Ace\"\" Smith\"")},
        FieldCase{"OnlyAQuote", QStringLiteral("\""), QStringLiteral("\"\"\"\"")},
        FieldCase{"LineFeed", QStringLiteral("Ana\nSmith"), QStringLiteral("\"Ana\nSmith\"")},
        FieldCase{"CarriageReturn", QStringLiteral("Ana\rSmith"),
            QStringLiteral("\"Ana\rSmith\"")},
        FieldCase{"CrLfAndComma", QStringLiteral("A,\r\nB"), QStringLiteral("\"A,\r\nB\"")},
        FieldCase{"NonAsciiLetters", QStringLiteral("Zoë Ångström Łukasz Ōtani"),
            QStringLiteral("Zoë Ångström Łukasz Ōtani")},
        FieldCase{"NonAsciiWithComma", QStringLiteral("Müller, Jürgen"),
            QStringLiteral("\"Müller, Jürgen\"")},
        FieldCase{"Semicolon", QStringLiteral("Ana;Ben"), QStringLiteral("Ana;Ben")}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

// A spreadsheet takes a cell that starts with = + - @, a tab or a CR for a formula; such a
// name gets a leading apostrophe in the export, and nothing else changes.
class InertCell : public testing::TestWithParam<FieldCase> {};

TEST_P(InertCell, NeverStartsLikeAFormula)
{
    EXPECT_EQ(inertCellText(GetParam().text).toStdString(), GetParam().field.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Names, InertCell,
    testing::Values(FieldCase{"Plain", QStringLiteral("Ana"), QStringLiteral("Ana")},
        FieldCase{"Empty", QString(), QString()},
        FieldCase{"Equals", QStringLiteral("=1+1"), QStringLiteral("'=1+1")},
        FieldCase{"Plus", QStringLiteral("+44 Band"), QStringLiteral("'+44 Band")},
        FieldCase{"Minus", QStringLiteral("-2+3"), QStringLiteral("'-2+3")},
        FieldCase{"At", QStringLiteral("@SUM(A1)"), QStringLiteral("'@SUM(A1)")},
        FieldCase{"Tab", QStringLiteral("\t=A1"), QStringLiteral("'\t=A1")},
        FieldCase{"CarriageReturn", QStringLiteral("\r=A1"), QStringLiteral("'\r=A1")},
        FieldCase{"FormulaCharacterLater", QStringLiteral("Ana=Ben-Cy"),
            QStringLiteral("Ana=Ben-Cy")},
        FieldCase{"LeadingSpace", QStringLiteral(" =A1"), QStringLiteral(" =A1")},
        FieldCase{"ApostropheAlready", QStringLiteral("'Tis Us"), QStringLiteral("'Tis Us")}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

TEST(ResultsCsv, ANameThatLooksLikeAFormulaIsExportedInertAndStillQuoted)
{
    const QByteArray csv = resultsCsv({entry(QStringLiteral("=HYPERLINK(\"x\",\"y\")"), 70)});
    EXPECT_EQ(csv.toStdString(),
        "rank,name,score\r\n1,\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\",70\r\n");
}

TEST(ResultsCsv, HasAHeaderRanksTiesAndEndsEveryLineInCrLf)
{
    const std::vector<StoredEntry> table = {entry(QStringLiteral("Zoë"), 90, 3),
        entry(QStringLiteral("Smith, \"Ace\""), 80, 0), entry(QStringLiteral("Ben\nB"), 80, 1),
        entry(QStringLiteral("Ana"), 12, 2)};
    const QByteArray expected = "rank,name,score\r\n"
                                "1,Zo\xc3\xab,90\r\n"
                                "2,\"Smith, \"\"Ace\"\"\",80\r\n"
                                "2,\"Ben\nB\",80\r\n"
                                "4,Ana,12\r\n";
    EXPECT_EQ(resultsCsv(table), expected);
}

TEST(ResultsCsv, AnEmptyTableIsTheHeaderAlone)
{
    EXPECT_EQ(resultsCsv({}), QByteArray("rank,name,score\r\n"));
}

struct RankCase {
    const char* name;
    std::vector<int> scores;
    std::vector<int> ranks;
};

void PrintTo(const RankCase& c, std::ostream* os)
{
    *os << c.name;
}

class CompetitionRanking : public testing::TestWithParam<RankCase> {};

TEST_P(CompetitionRanking, EqualScoresShareARankAndTheNextRanksAreSkipped)
{
    std::vector<StoredEntry> table;
    for (int score : GetParam().scores)
        table.push_back(entry(QStringLiteral("x"), score));
    std::vector<int> ranks;
    for (const RankedEntry& row : rankedTable(table))
        ranks.push_back(row.rank);
    EXPECT_EQ(ranks, GetParam().ranks);
}

INSTANTIATE_TEST_SUITE_P(Tables, CompetitionRanking,
    testing::Values(RankCase{"Empty", {}, {}}, RankCase{"One", {40}, {1}},
        RankCase{"AllDifferent", {90, 80, 70}, {1, 2, 3}},
        RankCase{"TieInTheMiddle", {90, 80, 80, 70}, {1, 2, 2, 4}},
        RankCase{"TieAtTheTop", {100, 100, 50}, {1, 1, 3}},
        RankCase{"ThreeWayTieThenOne", {100, 90, 90, 90, 10}, {1, 2, 2, 2, 5}},
        RankCase{"AllTied", {0, 0, 0}, {1, 1, 1}},
        RankCase{"TieAtTheBottom", {60, 20, 20}, {1, 2, 2}},
        RankCase{"NotInTableOrder", {70, 90, 70, 100}, {3, 2, 3, 1}}),
    [](const testing::TestParamInfo<RankCase>& info) { return info.param.name; });

}  // namespace

namespace {

// Ana 80 applause, Ben 60, Cy 40; two judges (one named as a formula, one with a comma) mark
// Ana and Ben, Cy is never marked; the jury weighs as the event's set-up says.
StoredEvent juryEvent(jury::Weights weights)
{
    StoredEvent event;
    event.entries = {entry(QStringLiteral("Ana"), 80, 0), entry(QStringLiteral("Ben"), 60, 1),
                     entry(QStringLiteral("Cy"), 40, 2)};
    jury::JuryRules rules;
    rules.judges = {QStringLiteral("=Ines"), QStringLiteral("Omar, Sr")};
    rules.weights = weights;
    event.jury.rules = rules;
    for (const qint64 order : {0, 1, 2})
        event.jury.markings.push_back({order, false, QDateTime(), rules});
    event.jury.marks = {{0, QStringLiteral("=Ines"), QStringLiteral("a"), {300}, QDateTime()},
                        {0, QStringLiteral("=Ines"), QStringLiteral("b"), {200}, QDateTime()},
                        {1, QStringLiteral("=Ines"), QStringLiteral("c"), {1000}, QDateTime()},
                        {1, QStringLiteral("Omar, Sr"), QStringLiteral("d"), {850}, QDateTime()}};
    weighEntries(event);
    return event;
}

}  // namespace

TEST(ResultsCsv, WithAJuryScoreIsTheResultFollowedByTheApplauseEachJudgeAndJ)
{
    // Ana (80 + 20) / 2 = 50, Ben (60 + 92.5) / 2 = 76.25, Cy 40 / 2 = 20.
    EXPECT_EQ(resultsCsv(juryEvent({50, 50}), QStringLiteral("Round 1")).toStdString(),
              "rank,name,score,applause,'=Ines,\"Omar, Sr\",jury\r\n"
              "1,Ben,76.3,60,10,8.5,9.25\r\n"
              "2,Ana,50.0,80,2,,2\r\n"
              "3,Cy,20.0,40,,,\r\n");
    const StoredEvent weighingNothing = juryEvent({100, 0});
    EXPECT_EQ(resultsCsv(weighingNothing, QStringLiteral("Round 1")),
              resultsCsv(weighingNothing.entries))
        << "a jury weighing nothing exports as without one";
}
