// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The Edit Preload List command of the meter view: the dialog, then the restarted table.
#include "ViewTestSupport.h"
#include "widgets/MeterView.h"
#include "widgets/dialogs/PreloadDialog.h"
#include "support/NameLists.h"
#include "support/UiTestFixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace {

using ovatron::test::TestMeterView;
using ovatron::test::testSettings;
using ovatron::test::answerNextModal;
using ovatron::test::UiTest;
using ovatron::test::Rows;

Rows rows(const MeterView& view)
{
    return ovatron::test::rowsOf(view.meter().leagueTable());
}

// Answers the preload dialog with this text, by OK or by Cancel.
void answerPreloadDialog(const QString& text, bool confirm)
{
    answerNextModal([text, confirm](QWidget* modal) {
        auto* dialog = qobject_cast<PreloadDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->editBox()->setPlainText(text);
        QTest::mouseClick(confirm ? dialog->okButton() : dialog->cancelButton(), Qt::LeftButton);
    });
}

void playTurn(TestMeterView& view, const char* name, int heldTicks)
{
    QTest::keyClicks(&view, name);
    QTest::keyClick(&view, Qt::Key_Return);
    for (int i = 0; i < heldTicks; ++i)
        view.meter().tick({true, true});
}

class PreloadCommandTest : public UiTest {};

TEST_F(PreloadCommandTest, ConfirmingInNameEntryStartsTheFirstNameAndKeepsTheRest)
{
    TestMeterView view(testSettings());
    playTurn(view, "Old", 3);
    QTest::keyClick(&view, Qt::Key_Escape);
    answerPreloadDialog("Ana\n\nBen\n   \nCal\n", true);
    view.editPreloadList();
    EXPECT_EQ(rows(view), (Rows{{"Ana", 0}}));
    EXPECT_EQ(view.meter().state(), MeterState::Measuring);
    ASSERT_EQ(view.meter().preloadList().size(), 2u);
    EXPECT_EQ(view.meter().preloadList()[0], brio::BRString("Ben"));

    // Reopening shows only the names still waiting.
    answerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PreloadDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->editBox()->toPlainText(), QStringLiteral("Ben\nCal"));
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    });
    view.editPreloadList();
}

TEST_F(PreloadCommandTest, ConfirmingDuringATurnKeepsThatContestantAboveTheFirstName)
{
    TestMeterView view(testSettings());
    playTurn(view, "Dee", 7);
    answerPreloadDialog("Ana", true);
    view.editPreloadList();
    EXPECT_EQ(rows(view), (Rows{{"Dee", 21}, {"Ana", 0}}));
    EXPECT_EQ(view.meter().currentIndex(), 1);
}

TEST_F(PreloadCommandTest, CancelLeavesListTableAndStateAsTheyWere)
{
    TestMeterView view(testSettings());
    playTurn(view, "Dee", 2);
    answerPreloadDialog("Ana\nBen", false);
    view.editPreloadList();
    EXPECT_EQ(rows(view), (Rows{{"Dee", 6}}));
    EXPECT_EQ(view.meter().preloadList().size(), 0u);
    EXPECT_EQ(view.meter().state(), MeterState::Measuring);
    EXPECT_EQ(view.meter().peak(), 6);
    // The view's timer keeps running behind the dialog, which holds the focus, so
    // the level may have fallen a step or two but never risen.
    EXPECT_LE(view.meter().level(), 6);
}

TEST_F(PreloadCommandTest, EnterOnTheSummaryScreenTakesTheNextNameUntilNoneWait)
{
    TestMeterView view(testSettings());
    answerPreloadDialog("Ana\nBen\nCal", true);
    view.editPreloadList();
    for (const char* next : {"Ben", "Cal"}) {
        view.meter().tick({true, true});
        QTest::keyClick(&view, Qt::Key_Return);
        ASSERT_EQ(view.meter().state(), MeterState::Summary);
        QTest::keyClick(&view, Qt::Key_Return);
        EXPECT_EQ(view.meter().leagueTable().entry(view.meter().currentIndex()).name, brio::BRString(next));
    }
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(view.meter().state(), MeterState::NameEntry);
    EXPECT_EQ(view.meter().preloadList().size(), 0u);
}

TEST_F(PreloadCommandTest, WithTheTableOffTheCommandOpensNoDialog)
{
    TestMeterView view(testSettings());
    view.toggleLeagueTable();
    view.editPreloadList();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
