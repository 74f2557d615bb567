// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Closing while the results disk refuses what waits in memory: the operator is asked, and
// the results leave only when the operator lets them go or exports them.
#include "ViewTestSupport.h"

#include "support/PrivateTmpfs.h"
#include "widgets/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using ovatron::test::makeTestShow;
using ovatron::test::addFinishedEntry;
using ovatron::test::answerNextModal;
using ovatron::test::PrivateTmpfs;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

// Room for the results file and a little more, so that a filler file can take the rest.
constexpr qint64 kSmallDiskBytes = 1024 * 1024;

struct CloseCase {
    const char* name;
    const char* button;      // nullptr: Escape
    const char* exportFile;  // what the export dialog answers, in the test's folder; nullptr: cancelled
    bool closes;
};

class UnsavedResultsTest : public UiTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        openWindow();
    }

    // As the application makes it (it deletes itself when closed), shown; its show records
    // into the results file at database, or none.
    void openWindow(const QString& database = {})
    {
        delete window.data();  // before the show it shows
        show = database.isEmpty() ? makeTestShow()
                                  : std::make_unique<Show>(testSettings(), database);
        window = new MainWindow(*show, testSettings());
        show->followSettings();  // as the application does once the window listens
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    void TearDown() override
    {
        delete window.data();
        UiTest::TearDown();
    }

    void play(const std::string& name, int score)
    {
        addFinishedEntry(show->session().meter(), name, score);
    }

    // A show whose results file cannot be opened: nothing it plays is saved.
    void openNeverSavingWindow()
    {
        QFile blocker(folder.filePath(QStringLiteral("a-file")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        openWindow(blocker.fileName() + QStringLiteral("/Ovatron/events.sqlite"));
        ASSERT_FALSE(show->openResults().saving());
        show->beginEvent();
    }

    // Closes as the close box does; true when the window went.
    bool closeWindow()
    {
        const bool closed = window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(closed, window.isNull());
        return closed;
    }

    QString exportedText() const
    {
        QFile file(folder.filePath(QStringLiteral("results.csv")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir folder;
    std::unique_ptr<Show> show;  // outlives the window
    QPointer<MainWindow> window;
};

// Clicks the button with this text on the question, or presses Escape on it; the title
// says which question it was.
void answerQuestion(const char* button, QString& title)
{
    answerNextModal([button, &title](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        if (!button) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* choice : box->buttons()) {
            if (choice->text() == QLatin1String(button))
                choice->click();
        }
    });
}

TEST_F(UnsavedResultsTest, EachAnswerClosesOnlyWhenTheResultsAreLetGoOrExported)
{
    const CloseCase cases[] = {
        {"Cancel", "Cancel", nullptr, false},
        {"Escape", nullptr, nullptr, false},
        {"Close Without Saving", "Close Without Saving", nullptr, true},
        {"Export, written", "Export Results...", "results.csv", true},
        {"Export, dialog cancelled", "Export Results...", nullptr, false},
        // No such folder: the export is refused and told.
        {"Export, file refused", "Export Results...", "gone/results.csv", false},
    };
    for (const CloseCase& test : cases) {
        SCOPED_TRACE(test.name);
        if (!window || show->session().meter().leagueTable().count() == 0) {
            openNeverSavingWindow();
            play("Ana", 60);
            play("Ben", 30);
        }
        window->setResultsDialogs({[&](QWidget*) {
                                       if (!test.exportFile)
                                           return QString();
                                       if (!test.closes)  // the refusal's message box
                                           answerNextModal([](QWidget* warning) {
                                               QTest::keyClick(warning, Qt::Key_Escape);
                                           });
                                       return folder.filePath(QLatin1String(test.exportFile));
                                   },
                                   {}});
        QString title;
        answerQuestion(test.button, title);
        EXPECT_EQ(closeWindow(), test.closes);
        EXPECT_EQ(title, QStringLiteral("Results Not Saved"));
        const QString exported = exportedText();
        const bool written = test.closes && test.exportFile;
        EXPECT_EQ(written, exported.contains(QStringLiteral(",Ana,")) &&
                               exported.contains(QStringLiteral(",Ben,")))
            << exported.toStdString();
        QFile::remove(folder.filePath(QStringLiteral("results.csv")));
        if (!test.closes) {
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(window->view().meter().leagueTable().count(), 2);
        }
    }
}

// Presses Escape on any modal dialog that opens while it lives, and remembers that one did.
class NoQuestionExpected {
public:
    NoQuestionExpected()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this]() {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                asked = true;
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        m_timer.start(10);
    }
    bool asked = false;

private:
    QTimer m_timer;
};

// With a real recorder: a disk with room closes without a word; a full one, which refuses
// what waits, asks.
TEST_F(UnsavedResultsTest, OnlyResultsTheDiskRefusesAreAskedAbout)
{
    PrivateTmpfs disk(folder.filePath(QStringLiteral("disk")), kSmallDiskBytes);
    if (!disk.failure().isEmpty())
        GTEST_SKIP() << disk.failure().toStdString();
    // Made after the mount, so that its recorder's worker sees the small disk.
    openWindow(folder.filePath(QStringLiteral("disk/events.sqlite")));
    ASSERT_TRUE(show->openResults().saving());
    show->beginEvent();
    play("Ana", 60);

    ASSERT_TRUE(disk.fill());
    // Long names, so that the results file must grow to take them.
    for (int contestant = 0; contestant < 10; ++contestant)
        play(QStringLiteral("Contestant %1 ").arg(contestant).repeated(40).toStdString(), 20);
    QString title;
    answerQuestion("Cancel", title);
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(title, QStringLiteral("Results Not Saved"));

    // Room again: what waited is written on the way out, and closing does not ask.
    ASSERT_TRUE(disk.makeRoom());
    NoQuestionExpected guard;
    EXPECT_TRUE(closeWindow());
    EXPECT_FALSE(guard.asked);
    ASSERT_TRUE(show->recorder().latestEvent());
    EXPECT_EQ(show->recorder().latestEvent()->entries.size(), 11u);
}

// A results file that could not be opened at the start keeps nothing: closing asks once a
// contestant has played, and not before.
TEST_F(UnsavedResultsTest, ResultsOfAShowThatNeverSavedAreAskedAbout)
{
    openNeverSavingWindow();
    {
        NoQuestionExpected guard;
        EXPECT_TRUE(closeWindow());
        EXPECT_FALSE(guard.asked) << "nothing played, nothing to lose";
    }
    openNeverSavingWindow();
    play("Ana", 60);
    QString title;
    answerQuestion("Cancel", title);
    ASSERT_FALSE(closeWindow()) << "closed without a word";
    EXPECT_EQ(title, QStringLiteral("Results Not Saved"));
}

}  // namespace
