// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The About box: its texts, its icon and its one button.
#include "widgets/dialogs/AboutDialog.h"

#include "support/UiTestFixture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using ovatron::test::answerNextModal;
using ovatron::test::UiTest;

QStringList labelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts;
}

class AboutDialogTest : public UiTest {};

TEST_F(AboutDialogTest, ShowsTheNameVersionAndASecondLine)
{
    AboutDialog dialog;

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Ovatron"));
    const QStringList texts = labelTexts(dialog);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("Ovatron, Version 1.0"));
    EXPECT_FALSE(texts[1].trimmed().isEmpty());
}

TEST_F(AboutDialogTest, ShowsTheProgramsIcon)
{
    AboutDialog dialog;
    const QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("icon"));

    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST_F(AboutDialogTest, KeepsItsProportionsAndCannotBeResized)
{
    AboutDialog dialog;

    // 170 x 62 dialog units.
    EXPECT_GE(dialog.width(), 272);
    EXPECT_GE(dialog.height(), 99);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

TEST_F(AboutDialogTest, OkIsTheDefaultButtonAndClosesTheBox)
{
    AboutDialog dialog;
    dialog.show();
    ASSERT_EQ(dialog.okButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.okButton()->isDefault());

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(AboutDialogTest, EnterClosesTheModalBox)
{
    AboutDialog dialog;
    answerNextModal([](QWidget* modal) {
        ASSERT_NE(qobject_cast<AboutDialog*>(modal), nullptr);
        QTest::keyClick(modal, Qt::Key_Return);
    });

    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

}  // namespace
