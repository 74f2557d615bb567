// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Corrections of a small table from the keys, each taken back and made again: the table after
// each step, the rules of the meter throughout, and the menu rules of the new commands.
#include "core/Correction.h"
#include "core/MenuRules.h"
#include "core/MeterCore.h"
#include "support/MeterInvariants.h"
#include "support/NameLists.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using ovatron::test::Rows;
constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};

// Ana, Ben, Cal and Dee played in that order; Dee was measured last.
void restoreSmallTable(MeterCore& meter)
{
    const auto entry = [](const char* name, int score, std::int64_t order) {
        return Score{brio::BRString::fromUtf8(name), score, order};
    };
    meter.restoreEvent({entry("Ana", 60, 0), entry("Ben", 40, 1), entry("Cal", 40, 2),
                        entry("Dee", 10, 3)},
                       brio::BRStringArray(), 4);
}

void keys(MeterCore& meter, const std::string& typed)
{
    for (char c : typed)
        meter.onChar(c);
}

void renameTo(MeterCore& meter, const std::string& name)
{
    ASSERT_TRUE(meter.beginRename());
    while (!meter.typedName().empty())
        meter.onChar(MeterCore::kBackspace);
    keys(meter, name);
}

struct CorrectionCase {
    const char* name;
    // Makes the correction as the operator would; answers what Undo would take back.
    std::function<std::optional<Correction>(MeterCore&)> correct;
    Rows after;  // the table once corrected (the restored one when nothing changed)
};

void PrintTo(const CorrectionCase& c, std::ostream* os)
{
    *os << c.name;
}

const Rows kStart{{"Ana", 60}, {"Ben", 40}, {"Cal", 40}, {"Dee", 10}};

class Corrections : public testing::TestWithParam<CorrectionCase> {};

TEST_P(Corrections, ChangeTheTableAndUndoAndRedoInOrder)
{
    MeterCore meter(true, true);
    restoreSmallTable(meter);
    const std::optional<Correction> change = GetParam().correct(meter);
    EXPECT_EQ(brokenMeterRule(meter), nullptr);
    EXPECT_EQ(ovatron::test::rowsOf(meter.leagueTable()), GetParam().after);
    EXPECT_EQ(meter.selectedRow(), -1);
    if (!change) {
        EXPECT_EQ(GetParam().after, kStart) << "a change without anything to undo";
        return;
    }
    undoCorrection(meter, *change);
    EXPECT_EQ(brokenMeterRule(meter), nullptr);
    EXPECT_EQ(ovatron::test::rowsOf(meter.leagueTable()), kStart);
    redoCorrection(meter, *change);
    EXPECT_EQ(brokenMeterRule(meter), nullptr);
    EXPECT_EQ(ovatron::test::rowsOf(meter.leagueTable()), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    SmallTable, Corrections,
    testing::Values(
        CorrectionCase{"RenameLastMeasuredToANameTaken",
                       [](MeterCore& m) {
                           renameTo(m, "  Ben ");
                           m.onChar(MeterCore::kEnter);
                           return m.takeCorrection();
                       },
                       {{"Ana", 60}, {"Ben", 40}, {"Cal", 40}, {"Ben", 10}}},
        CorrectionCase{"RenameSelectedKeepsItsPlaceAmongEqualScores",
                       [](MeterCore& m) {
                           m.moveSelection(-1);  // the bottom row
                           m.moveSelection(-1);  // Cal
                           renameTo(m, "Kai");
                           m.onChar(MeterCore::kEnter);
                           return m.takeCorrection();
                       },
                       {{"Ana", 60}, {"Ben", 40}, {"Kai", 40}, {"Dee", 10}}},
        CorrectionCase{"BlankRenameChangesNothing",
                       [](MeterCore& m) {
                           renameTo(m, "   ");
                           m.onChar(MeterCore::kEnter);
                           return m.takeCorrection();
                       },
                       kStart},
        CorrectionCase{"EscLeavesTheNameAsItWas",
                       [](MeterCore& m) {
                           renameTo(m, "Zed");
                           m.onChar(MeterCore::kEscape);
                           return m.takeCorrection();
                       },
                       kStart},
        CorrectionCase{"RemoveSelectedClosesUp",
                       [](MeterCore& m) -> std::optional<Correction> {
                           m.moveSelection(1);
                           m.moveSelection(1);  // Ben
                           const std::int64_t order =
                               m.leagueTable().entry(m.correctionRow()).order;
                           return correction::Removed{m.removeEntries({order})};
                       },
                       {{"Ana", 60}, {"Cal", 40}, {"Dee", 10}}},
        CorrectionCase{"MeasureAgainPutsTheNewPeakInPlace",
                       [](MeterCore& m) {
                           m.moveSelection(-1);
                           m.moveSelection(-1);  // Cal
                           m.measureAgain();
                           for (int i = 0; i < 3; ++i)
                               m.tick(kSpaceHeld);  // 9
                           // While it runs the table shows the old score.
                           EXPECT_EQ(m.leagueTable().entry(m.currentIndex()).score, 40);
                           m.onChar(MeterCore::kEnter);
                           return m.takeCorrection();
                       },
                       {{"Ana", 60}, {"Ben", 40}, {"Dee", 10}, {"Cal", 9}}},
        CorrectionCase{"EscDuringMeasureAgainKeepsTheOldScore",
                       [](MeterCore& m) {
                           m.measureAgain();
                           m.tick(kSpaceHeld);
                           m.onChar(MeterCore::kEscape);
                           return m.takeCorrection();
                       },
                       kStart},
        CorrectionCase{"ClearLeagueTableEmptiesIt",
                       [](MeterCore& m) -> std::optional<Correction> {
                           return correction::Removed{m.clearLeagueTable()};
                       },
                       {}}));

TEST(CorrectionsTest, RemovingTheCurrentContestantOfAFinishedTurnLeavesNone)
{
    MeterCore meter(true, true);
    restoreSmallTable(meter);
    keys(meter, "Eve");
    meter.onChar(MeterCore::kEnter);
    meter.tick(kSpaceHeld);
    meter.onChar(MeterCore::kEnter);  // the summary screen, Eve current
    ASSERT_EQ(meter.state(), MeterState::Summary);
    const std::int64_t eve = meter.leagueTable().entry(meter.correctionRow()).order;
    EXPECT_EQ(eve, 4);
    meter.removeEntries({eve});
    EXPECT_EQ(meter.currentIndex(), -1);
    EXPECT_EQ(brokenMeterRule(meter), nullptr);
}

struct RuleCase {
    const char* name;
    std::function<void(MeterCore&)> setUp;
    bool canUndo;
    bool correctionsEnabled;
    bool undoEnabled;
};

TEST(CorrectionsTest, MenuRulesGreyTheCommandsDuringATurnAndWithoutRows)
{
    const RuleCase cases[] = {
        {"name entry", [](MeterCore&) {}, true, true, true},
        {"nothing to undo", [](MeterCore&) {}, false, true, false},
        {"during a turn", [](MeterCore& m) { m.measureAgain(); }, true, false, false},
        {"empty table", [](MeterCore& m) { m.clearLeagueTable(); }, true, false, true},
        {"while renaming", [](MeterCore& m) { m.beginRename(); }, true, false, false},
        {"table off", [](MeterCore& m) { m.toggleLeagueTable(); }, true, false, false},
    };
    for (const RuleCase& c : cases) {
        MeterCore meter(true, true);
        restoreSmallTable(meter);
        c.setUp(meter);
        const CommandContext context{meter, false, false, c.canUndo, c.canUndo};
        for (Command command :
             {Command::RenameContestant, Command::RemoveContestant, Command::MeasureAgain})
            EXPECT_EQ(commandState(command, context)->enabled, c.correctionsEnabled) << c.name;
        EXPECT_EQ(commandState(Command::EditUndo, context)->enabled, c.undoEnabled) << c.name;
        EXPECT_EQ(commandState(Command::EditRedo, context)->enabled, c.undoEnabled) << c.name;
    }
}

}  // namespace
