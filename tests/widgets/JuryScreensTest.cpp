// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury on the operator's screens, on Qt's offscreen platform.

#include "core/FrameSnapshot.h"
#include "core/MenuRules.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"
#include "widgets/OperatorStrip.h"
#include "widgets/dialogs/JudgeCards.h"
#include "widgets/dialogs/JuryDialog.h"

#include "brio/BRStringQt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using ovatron::test::TestMeterView;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

class JuryScreensTest : public UiTest {};

TEST_F(JuryScreensTest, AnOpenMarkingShowsAnEllipsisAndWhoMarkedUntilItCloses)
{
    TestMeterView view(testSettings());
    view.resize(640, 480);
    MeterSession& session = view.session();
    session.restoreEvent({Score{"Anna", 80, 0}, Score{"Ben", 60, 1}}, brio::BRStringArray(), 2);
    jury::JuryRules rules;
    rules.judges = {QStringLiteral("Ines"), QStringLiteral("Omar")};
    const auto judges = session.setUpJury(rules);
    ASSERT_TRUE(std::holds_alternative<std::vector<jury::Judge>>(judges));
    ASSERT_TRUE(session.openMarking(0));
    ASSERT_TRUE(session.openMarking(1));
    const jury::Judge& ines = std::get<std::vector<jury::Judge>>(judges).at(0);
    session.takeMark({ines.token, QStringLiteral("Anna"), {{QString(), 7.5}}, QStringLiteral("m1")});

    const auto snapshot = [&]() {
        const std::vector<std::int64_t> pending = session.jury().openOrders();
        return snapshotOf(view.meter(), QString(), layout::Rect{0, 0, 640, 480},
                          view.lookOn(view), true, nullptr, &pending);
    };
    FrameSnapshot open = snapshot();
    ASSERT_EQ(open.rows.size(), 2u);
    for (const ShownRow& row : open.rows) {
        EXPECT_TRUE(row.pending) << brio::toQString(row.name).toStdString();
        EXPECT_TRUE(row.result.has_value());
    }
    const QString strip = markingStripText(session.openMarkings());
    EXPECT_TRUE(strip.contains(QStringLiteral("Ben 0 of 2"))) << strip.toStdString();
    EXPECT_TRUE(strip.contains(QStringLiteral("Anna 1 of 2"))) << strip.toStdString();
    CommandContext context{view.meter()};
    context.markingOpen = !session.openMarkings().empty();
    EXPECT_TRUE(commandState(Command::CloseMarking, context)->enabled);

    ASSERT_TRUE(session.closeMarking(0));
    ASSERT_TRUE(session.closeMarking(1));
    const FrameSnapshot closed = snapshot();
    // Anna: (50 × 80 + 50 × 7.5 / 10 × 100) / 100 = 77.5; Ben without a mark: 30.0.
    ASSERT_EQ(closed.rows.size(), 2u);
    EXPECT_FALSE(closed.rows[0].pending);
    EXPECT_EQ(closed.rows[0].result, ranking::Result{775});
    EXPECT_EQ(closed.rows[1].result, ranking::Result{300});
    EXPECT_FALSE(changedRects(open, closed).empty());
    EXPECT_TRUE(markingStripText(session.openMarkings()).isEmpty());
    context.markingOpen = !session.openMarkings().empty();
    EXPECT_FALSE(commandState(Command::CloseMarking, context)->enabled);
}

TEST_F(JuryScreensTest, TheJuryDialogHandsBackTheSetUpAndRefusesAProblem)
{
    JuryDialog dialog(std::nullopt, {}, JudgeLinkBase{});
    EXPECT_FALSE(dialog.juryOn());
    dialog.onBox()->setChecked(true);
    dialog.judgesBox()->setPlainText(QStringLiteral("Ines\n  Omar \n\nPia"));
    dialog.criteriaTable()->item(0, 0)->setText(QStringLiteral("Talent"));
    dialog.criteriaTable()->item(0, 1)->setText(QStringLiteral("2"));
    dialog.criteriaTable()->item(1, 0)->setText(QStringLiteral("Stage presence"));
    const jury::JuryRules rules = dialog.rules();
    EXPECT_TRUE(dialog.juryOn());
    EXPECT_EQ(rules.judges, (QStringList{"Ines", "Omar", "Pia"}));
    ASSERT_EQ(rules.criteria.size(), 2u);
    EXPECT_EQ(rules.criteria[0].name, QStringLiteral("Talent"));
    EXPECT_EQ(rules.criteria[0].weight, 2);
    EXPECT_EQ(rules.criteria[1].weight, 1);
    EXPECT_EQ(rules.max, 10 * jury::kPoint);
    EXPECT_EQ(rules.step, jury::kPoint / 2);
    EXPECT_EQ(rules.weights, (jury::Weights{50, 50}));
    EXPECT_TRUE(dialog.problem()->text().isEmpty());
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(ok->isEnabled());

    dialog.judgesBox()->setPlainText(QStringLiteral("Ines\nines"));
    EXPECT_FALSE(dialog.problem()->text().isEmpty());
    EXPECT_FALSE(ok->isEnabled());
    dialog.onBox()->setChecked(false);
    EXPECT_TRUE(ok->isEnabled());
}

TEST_F(JuryScreensTest, EachJudgeHasHerLinkAndRevokeAsksTheWindow)
{
    const JudgeLinkBase base{true, QStringLiteral("192.168.1.5"), 8080};
    EXPECT_EQ(judgeLink(base, QStringLiteral("ab12")),
              QStringLiteral("http://192.168.1.5:8080/judge?token=ab12"));
    JuryDialog dialog(jury::JuryRules{}, {{QStringLiteral("Ines"), QStringLiteral("ab12")},
                                         {QStringLiteral("Omar"), QString()}},
                      base);
    const QList<QLineEdit*> links = dialog.findChildren<QLineEdit*>(QStringLiteral("judgeLink"));
    ASSERT_EQ(links.size(), 2);
    EXPECT_EQ(links[0]->text(), judgeLink(base, QStringLiteral("ab12")));
    EXPECT_NE(links[1]->text(), judgeLink(base, QString()));  // revoked: no link to give out
    // The held link's QR code, drawn by the encoder loaded on first use; none for the revoked.
    QList<QPixmap> codes;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            codes.append(label->pixmap());
    }
    ASSERT_EQ(codes.size(), 1);
    EXPECT_EQ(codes[0].width(), codes[0].height());
    EXPECT_GT(codes[0].width(), 21 * 2);  // the smallest code's 21 modules, at least 2 px each
    QSignalSpy revoked(&dialog, &JuryDialog::revokeWanted);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Revoke") && button->isEnabled())
            button->click();
    }
    ASSERT_EQ(revoked.size(), 1);
    EXPECT_EQ(revoked[0][0].toString(), QStringLiteral("Ines"));
}

TEST_F(JuryScreensTest, TheCardsAreOnePageForEachJudgeWhoHoldsALink)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("cards.pdf"));
    const std::vector<jury::Judge> judges{{QStringLiteral("Ines"), QStringLiteral("ab12")},
                                          {QStringLiteral("Omar"), QString()},
                                          {QStringLiteral("Pia"), QStringLiteral("cd34")}};
    ASSERT_TRUE(exportJudgeCards(path, judges, JudgeLinkBase{true, QStringLiteral("10.0.0.2"), 8080}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 2);
    EXPECT_FALSE(exportJudgeCards(folder.filePath(QStringLiteral("missing/cards.pdf")), judges,
                                  JudgeLinkBase{}));
}

}  // namespace
