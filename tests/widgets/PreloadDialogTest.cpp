// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The preload list dialog: the names go in one a line, and come back out on OK only.
#include "widgets/dialogs/EditBoxText.h"
#include "widgets/dialogs/PreloadDialog.h"

#include "support/NameLists.h"
#include "support/UiTestFixture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

using ovatron::test::answerNextModal;
using ovatron::test::UiTest;

using ovatron::test::listOf;
using ovatron::test::Names;
using ovatron::test::namesOf;

class PreloadDialogTest : public UiTest {};

TEST_F(PreloadDialogTest, OpensWithTheWaitingNamesOneALine)
{
    brio::BRStringArray list = listOf({"Ana", "Ben"});
    PreloadDialog dialog(list);

    EXPECT_EQ(dialog.editBox()->toPlainText(), QStringLiteral("Ana\nBen"));
    EXPECT_EQ(dialog.editBox()->blockCount(), 2);
    EXPECT_EQ(dialog.text(), brio::BRString("Ana\r\nBen"));
}

TEST_F(PreloadDialogTest, OpensEmptyForAnEmptyList)
{
    brio::BRStringArray list;
    PreloadDialog dialog(list);

    EXPECT_TRUE(dialog.editBox()->toPlainText().isEmpty());
}

TEST_F(PreloadDialogTest, CarriesTheCaptionPromptAndButtonsOfItsTemplate)
{
    brio::BRStringArray list;
    PreloadDialog dialog(list);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit League Table"));
    const QLabel* prompt = dialog.findChild<QLabel*>();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(),
              QStringLiteral("Enter the names to be loaded into the league table, one entry per line."));
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(dialog.cancelButton()->isDefault());
    EXPECT_EQ(dialog.editBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
    // 244 x 183 dialog units.
    EXPECT_GE(dialog.width(), 390);
    EXPECT_GE(dialog.height(), 292);
}

TEST_F(PreloadDialogTest, TypedNamesReplaceTheListOnOkWithBlankLinesDropped)
{
    brio::BRStringArray list = listOf({"Old"});
    PreloadDialog dialog(list);
    dialog.show();
    dialog.editBox()->clear();

    QTest::keyClicks(dialog.editBox(), "Ana");
    QTest::keyClick(dialog.editBox(), Qt::Key_Return);
    QTest::keyClicks(dialog.editBox(), "   ");
    QTest::keyClick(dialog.editBox(), Qt::Key_Return);
    QTest::keyClick(dialog.editBox(), Qt::Key_Return);
    QTest::keyClicks(dialog.editBox(), "Ben");
    QTest::keyClick(dialog.editBox(), Qt::Key_Return);
    ASSERT_TRUE(dialog.isVisible()) << "Enter in the box must not end the dialog";
    EXPECT_EQ(namesOf(dialog.names()), Names{"Old"}) << "nothing changes before OK";

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.text(), brio::BRString("Ana\r\n   \r\n\r\nBen\r\n"));
    EXPECT_EQ(namesOf(dialog.names()), (Names{"Ana", "Ben"}));
}

TEST_F(PreloadDialogTest, BlanksAroundANameAreTrimmedAndTabsInsideKept)
{
    brio::BRStringArray list;
    PreloadDialog dialog(list);
    dialog.show();
    dialog.editBox()->setPlainText(QStringLiteral("  Ana Lee \t\n\t\t\nBen\tBo"));

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);

    EXPECT_EQ(namesOf(dialog.names()), (Names{"Ana Lee", "Ben\tBo"}));
}

TEST_F(PreloadDialogTest, NamesTheKeyboardEntryRefusesAreKept)
{
    brio::BRStringArray list;
    PreloadDialog dialog(list);
    dialog.show();
    dialog.editBox()->setPlainText(QString::fromUtf8("Zoë\n李\nO'Brien & Söhne\n🎤 Mic"));

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);

    EXPECT_EQ(namesOf(dialog.names()), (Names{"Zoë", "李", "O'Brien & Söhne", "🎤 Mic"}));
}

TEST_F(PreloadDialogTest, ReopeningShowsTheNamesConfirmedBefore)
{
    brio::BRStringArray list;
    {
        PreloadDialog dialog(list);
        dialog.show();
        dialog.editBox()->setPlainText(QString::fromUtf8("Zoë\n\n李\n"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        list = dialog.names();
    }
    PreloadDialog again(list);

    EXPECT_EQ(again.editBox()->toPlainText(), QString::fromUtf8("Zoë\n李"));
}

TEST_F(PreloadDialogTest, OkWithAnEmptyBoxEmptiesTheList)
{
    brio::BRStringArray list = listOf({"Ana", "Ben"});
    PreloadDialog dialog(list);
    dialog.show();
    dialog.editBox()->clear();

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(namesOf(dialog.names()).empty());
}

TEST_F(PreloadDialogTest, CancelAfterEditingLeavesTheListAsItWas)
{
    brio::BRStringArray list = listOf({"Ana", "Ben"});
    PreloadDialog dialog(list);
    dialog.show();
    QTest::keyClicks(dialog.editBox(), "Cal");
    QTest::keyClick(dialog.editBox(), Qt::Key_Return);

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(namesOf(dialog.names()), (Names{"Ana", "Ben"}));
}

TEST_F(PreloadDialogTest, EscapeAndClosingTheWindowLeaveTheListAsItWas)
{
    brio::BRStringArray list = listOf({"Ana"});
    {
        PreloadDialog dialog(list);
        dialog.show();
        dialog.editBox()->setPlainText(QStringLiteral("Dee"));
        QTest::keyClick(dialog.editBox(), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(namesOf(dialog.names()), Names{"Ana"});
    }
    {
        PreloadDialog dialog(list);
        dialog.show();
        dialog.editBox()->setPlainText(QStringLiteral("Eve"));
        dialog.close();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(namesOf(dialog.names()), Names{"Ana"});
    }
}

TEST_F(PreloadDialogTest, TabLeavesTheBoxInsteadOfTypingATab)
{
    brio::BRStringArray list = listOf({"Ana"});
    PreloadDialog dialog(list);
    dialog.show();

    QTest::keyClick(dialog.editBox(), Qt::Key_Tab);

    EXPECT_EQ(dialog.editBox()->toPlainText(), QStringLiteral("Ana"));
}

TEST_F(PreloadDialogTest, RunsModallyAndReportsOk)
{
    brio::BRStringArray list = listOf({"Ana"});
    PreloadDialog dialog(list);
    answerNextModal([](QWidget* modal) {
        auto* open = qobject_cast<PreloadDialog*>(modal);
        ASSERT_NE(open, nullptr);
        open->editBox()->setPlainText(QStringLiteral("Ben\nCal"));
        QTest::mouseClick(open->okButton(), Qt::LeftButton);
    });

    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(namesOf(dialog.names()), (Names{"Ben", "Cal"}));
}

TEST(EditBoxText, GoingInLineBreaksBecomeTheEditBoxsOwn)
{
    EXPECT_EQ(editBoxTextFromText("Ana\r\nBen\r\n"), QStringLiteral("Ana\nBen\n"));
    EXPECT_EQ(editBoxTextFromText(""), QString());
    EXPECT_EQ(editBoxTextFromText(brio::BRString::fromUtf8("Zoë")), QString::fromUtf8("Zoë"));
}

TEST(EditBoxText, ComingBackLineBreaksBecomeCarriageReturnAndLineFeed)
{
    EXPECT_EQ(textFromEditBoxText(QStringLiteral("Ana\n\nBen\n")), brio::BRString("Ana\r\n\r\nBen\r\n"));
    EXPECT_EQ(textFromEditBoxText(QString::fromUtf8("李")), brio::BRString::fromUtf8("李"));
    EXPECT_TRUE(textFromEditBoxText(QString()).empty());
}

TEST(EditBoxText, ExchangesBothWaysWithAnEditBox)
{
    QPlainTextEdit edit;
    brio::BRString text("Ana\r\nBen");

    exchangeEditBoxText(false, &edit, text);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Ana\nBen"));

    edit.setPlainText(QStringLiteral("Cal\n\nDee"));
    exchangeEditBoxText(true, &edit, text);
    EXPECT_EQ(text, brio::BRString("Cal\r\n\r\nDee"));
}

}  // namespace
