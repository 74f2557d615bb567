// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The results leave the room: export and print from the main window, and the question that
// offers to resume an event that was cut off.
#include "core/Command.h"
#include "support/TickLimit.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "widgets/dialogs/ResumeQuestion.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>

namespace {

using ovatron::test::makeTestShow;
using ovatron::test::answerNextModal;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

class ResultsCommandsTest : public UiTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        show = makeTestShow();
        window = std::make_unique<MainWindow>(*show, testSettings());
        show->followSettings();  // as the application does once the window listens
        play("Zoë, \"the Voice\"", 40);
        play("Ben", 40);
        play("Ana", 90);
    }

    void play(const QString& name, int score)
    {
        MeterCore& meter = show->session().meter();
        meter.onText(brio::BRString(name.toStdU16String().c_str()));
        meter.onChar(MeterCore::kEnter);
        for (int tick = 0; meter.peak() < score; ++tick) {
            ASSERT_LT(tick, ovatron::test::kTickLimit);
            meter.tick(TickInput{true, true});
        }
        meter.onChar(MeterCore::kEscape);
    }

    QTemporaryDir folder;
    std::unique_ptr<Show> show;  // outlives the window
    std::unique_ptr<MainWindow> window;
};

TEST_F(ResultsCommandsTest, ExportWritesTheTableAsCsvWithSharedRanksAndQuoting)
{
    const QString path = folder.filePath(QStringLiteral("results.csv"));
    window->setResultsDialogs({[&](QWidget*) { return path; }, {}});
    window->commands().action(Command::ExportResults)->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              "rank,name,score\r\n1,Ana,90\r\n2,\"Zoë, \"\"the Voice\"\"\",41\r\n2,Ben,41\r\n");
}

TEST_F(ResultsCommandsTest, AnExportThatFailsIsToldAndWritesNothing)
{
    QString told;
    answerNextModal([&](QWidget* modal) {
        told = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
    });
    EXPECT_FALSE(window->exportResultsTo(folder.filePath(QStringLiteral("results.txt"))));
    EXPECT_TRUE(told.contains(QStringLiteral(".csv"))) << told.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("results.txt"))));
}

TEST_F(ResultsCommandsTest, PrintDrawsTheSheetOnThePrinterTheOperatorSetUp)
{
    const QString path = folder.filePath(QStringLiteral("printed.pdf"));
    bool asked = false;
    window->setResultsDialogs({{}, [&](QWidget*, QPrinter& printer) {
                                   asked = true;
                                   printer.setOutputFormat(QPrinter::PdfFormat);
                                   printer.setOutputFileName(path);
                                   return true;
                               }});
    window->commands().action(Command::PrintResults)->trigger();
    EXPECT_TRUE(asked);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4) == "%PDF");
}

TEST_F(ResultsCommandsTest, ACancelledPrintDialogPrintsNothing)
{
    window->setResultsDialogs({{}, [](QWidget*, QPrinter&) { return false; }});
    window->commands().action(Command::PrintResults)->trigger();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

struct Answer {
    const char* button;
    bool resumes;
};

void PrintTo(const Answer& answer, std::ostream* out)
{
    *out << answer.button;
}

class ResumeQuestionTest : public UiTest, public testing::WithParamInterface<Answer> {};

TEST_P(ResumeQuestionTest, NamesTheEventAndAnswersWithTheButton)
{
    QString title;
    QString text;
    QString defaultButton;
    answerNextModal([&](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        defaultButton = box->defaultButton()->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == QLatin1String(GetParam().button))
                button->click();
        }
    });
    EXPECT_EQ(askToResume(nullptr, 12, QStringLiteral("Zoë")), GetParam().resumes);
    EXPECT_EQ(title, QStringLiteral("Resume Event"));
    EXPECT_TRUE(text.contains(QStringLiteral("12 contestants"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Zoë"))) << text.toStdString();
    EXPECT_EQ(defaultButton, QStringLiteral("Resume"));
}

INSTANTIATE_TEST_SUITE_P(Buttons, ResumeQuestionTest,
                         testing::Values(Answer{"Resume", true}, Answer{"Start New", false}),
                         [](const testing::TestParamInfo<Answer>& info) {
                             return std::string(info.param.resumes ? "Resume" : "StartNew");
                         });

}  // namespace
