// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: its named actions in both menus and on their keys, the menu rules,
// full-screen mode and the placement kept across runs.
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "core/settings/PlacementSettings.h"
#include "support/UiTestFixture.h"
#include "brio/BRStringQt.h"
#include "display/MeterPainter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QCheckBox>
#include <QDialog>
#include <QSpinBox>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QUdpSocket>

#include <vector>

namespace {

using ovatron::test::TestMeterView;
using ovatron::test::makeTestShow;
using ovatron::test::answerNextModal;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

int stored(const char* key)
{
    return testSettings().getRegistryInteger(kSettingsSection, key, -1, kSettingsHive);
}

void store(const char* key, int value)
{
    testSettings().setRegistryInteger(kSettingsSection, key, value, kSettingsHive);
}

// Counts the key presses, other than lone modifier keys, that reach a widget.
class KeyCounter : public QObject {
public:
    int presses = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool modifierOnly = key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt;
            presses += modifierOnly ? 0 : 1;
        }
        return false;
    }
};

class MainWindowTest : public UiTest {
protected:
    // A main window as the application makes it; it deletes itself when closed.
    MainWindow* startFrame()
    {
        shows.push_back(makeTestShow());
        auto* frame = new MainWindow(*shows.back(), testSettings());
        shows.back()->followSettings();  // as the application does once the window listens
        frames.append(frame);
        frame->restorePlacement();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame));
        QApplication::setActiveWindow(frame);
        return frame;
    }

    static QAction* menuAction(QMenu& menu, const char* name)
    {
        for (QAction* action : menu.actions())
            if (!action->isSeparator() && action->objectName() == QLatin1String(name))
                return action;
        return nullptr;
    }

    static void run(MainWindow& frame, Command command)
    {
        frame.commands().action(command)->trigger();
    }

    static QMenu* popup(MainWindow& frame, const QString& title)
    {
        for (QAction* action : frame.menuBar()->actions())
            if (action->text() == title)
                return action->menu();
        return nullptr;
    }

    // Opens a menu's rules as its opening would, and returns the named action.
    static QAction* shownItem(QMenu& menu, const char* name)
    {
        emit menu.aboutToShow();
        return menuAction(menu, name);
    }

    void TearDown() override
    {
        for (const QPointer<MainWindow>& frame : frames)
            delete frame.data();
        UiTest::TearDown();
    }

    std::vector<std::unique_ptr<Show>> shows;  // outlive the windows
    QList<QPointer<MainWindow>> frames;
};

TEST_F(MainWindowTest, TheMenuBarHasTheProgramsMenusAndTitle)
{
    MainWindow* frame = startFrame();
    EXPECT_EQ(frame->windowTitle(), "Ovatron");
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Rounds", "&Help"}));
    QStringList edit;
    for (QAction* action : popup(*frame, "&Edit")->actions())
        edit << action->text();
    EXPECT_EQ(edit, (QStringList{"Un&do", "&Redo", "", "Re&name Contestant...",
                                 "Rem&ove Contestant...", "Measure A&gain", "Turn Deta&ils...", "",
                                 "&Font", "&Use League Table", "&Clear League Table", "&Edit Preload List",
                                 "&Show Summary Screen", "", "Measure &With Microphone",
                                 "&Microphone...", "Due&l...", "&Turn Length", "",
                                 "&Jury...", "Close &Marking", "Reo&pen Marking"}));
}

TEST_F(MainWindowTest, AViewCommandReachesTheViewFromTheMainMenuAndItsAction)
{
    MainWindow* frame = startFrame();
    ASSERT_EQ(frame->view().meter().useLeagueTable(), 1);
    menuAction(*popup(*frame, "&Edit"), "useLeagueTable")->trigger();
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 0);
    EXPECT_EQ(stored("UseLeagueTable"), 0);
    run(*frame, Command::UseLeagueTable);
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 1);
    run(*frame, Command::EditCopy);  // the editing commands do nothing
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 1);
    EXPECT_EQ(stored("UseLeagueTable"), 1);
}

TEST_F(MainWindowTest, AViewCommandReachesTheViewFromTheContextMenu)
{
    MainWindow* frame = startFrame();
    bool sawMenu = false;
    QTimer::singleShot(50, [&]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        sawMenu = true;
        QAction* clear = menuAction(*menu, "clearLeagueTable");
        ASSERT_NE(clear, nullptr);
        EXPECT_TRUE(clear->isEnabled());
        EXPECT_TRUE(menuAction(*menu, "useLeagueTable")->isChecked());
        menuAction(*menu, "useLeagueTable")->trigger();
        menu->close();
    });
    QTest::mouseClick(&frame->view(), Qt::RightButton, {}, QPoint(200, 150));
    processEvents(100);
    EXPECT_TRUE(sawMenu);
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 0);
}

TEST_F(MainWindowTest, MenuRulesSetCheckMarksAndEnabledStatesWhenAMenuOpens)
{
    MainWindow* frame = startFrame();
    QMenu& edit = *popup(*frame, "&Edit");
    EXPECT_TRUE(shownItem(edit, "useLeagueTable")->isChecked());
    EXPECT_TRUE(shownItem(edit, "clearLeagueTable")->isEnabled());
    EXPECT_TRUE(shownItem(edit, "showSummaryScreen")->isChecked());

    run(*frame, Command::UseLeagueTable);
    EXPECT_FALSE(shownItem(edit, "useLeagueTable")->isChecked());
    EXPECT_FALSE(shownItem(edit, "clearLeagueTable")->isEnabled());
    EXPECT_FALSE(shownItem(edit, "editPreloadList")->isEnabled());
    QAction* summary = shownItem(edit, "showSummaryScreen");
    EXPECT_FALSE(summary->isEnabled());
    EXPECT_TRUE(summary->isChecked());
    EXPECT_TRUE(shownItem(edit, "editFont")->isEnabled());
}

// Pixels of the selection's frame in the operator's display.
int framePixels(const MeterView& view)
{
    const QImage image = view.renderToImage(view.size());
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == kSelectionColor ? 1 : 0;
    return count;
}

TEST_F(MainWindowTest, CorrectionKeysSelectRenameRemoveAndUndoInOrder)
{
    MainWindow* frame = startFrame();
    MeterView& view = frame->view();
    view.setFocus();
    for (const char* name : {"Ana", "Bem"}) {
        QTest::keyClicks(&view, name);
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClick(&view, Qt::Key_Escape);
    }
    const auto names = [&view]() {
        QStringList shown;
        for (int row = 0; row < view.meter().leagueTable().count(); ++row)
            shown << brio::toQString(view.meter().leagueTable().entry(row).name);
        return shown;
    };
    QAction* undo = frame->commands().action(Command::EditUndo);
    // F2 edits the name of the contestant measured last.
    QTest::keyClick(&view, Qt::Key_F2);
    QTest::keyClick(&view, Qt::Key_Backspace);
    QTest::keyClicks(&view, "n");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(names(), (QStringList{"Ana", "Ben"}));
    EXPECT_EQ(undo->text(), "Un&do Rename Bem to Ben");
    // The first Up selects the bottom row; the next one Ana, framed.
    EXPECT_EQ(framePixels(view), 0);
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.meter().selectedRow(), 0);
    EXPECT_GT(framePixels(view), 0);
    // Delete asks, and Enter takes the default, "Remove".
    answerNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    QTest::keyClick(&view, Qt::Key_Delete);
    QApplication::setActiveWindow(frame);  // as the window system does when the box closes
    EXPECT_EQ(names(), (QStringList{"Ben"}));
    EXPECT_EQ(undo->text(), "Un&do Remove Ana");
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(names(), (QStringList{"Ana", "Ben"}));
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(names(), (QStringList{"Ana", "Bem"}));
    EXPECT_FALSE(undo->isEnabled());
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names(), (QStringList{"Ana", "Ben"}));
    // Esc clears a selection; a turn greys the corrections.
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(view.meter().selectedRow(), 0);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(view.meter().selectedRow(), -1);
    QTest::keyClick(&view, Qt::Key_F8);
    EXPECT_TRUE(view.meter().remeasuring());
    EXPECT_FALSE(frame->commands().action(Command::RemoveContestant)->isEnabled());
}

TEST_F(MainWindowTest, AcceleratorsSwallowTheirKeys)
{
    MainWindow* frame = startFrame();
    MeterView& view = frame->view();
    view.setFocus();
    QTest::keyClicks(&view, "Ana");
    ASSERT_EQ(view.meter().typedName(), brio::BRString("Ana"));
    KeyCounter counter;
    view.installEventFilter(&counter);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_C, Qt::ControlModifier},       {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},       {Qt::Key_Insert, Qt::ShiftModifier},
        {Qt::Key_Insert, Qt::ControlModifier},  {Qt::Key_Delete, Qt::ShiftModifier},
        {Qt::Key_F6, Qt::NoModifier},           {Qt::Key_F6, Qt::ShiftModifier},
    };
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(&view, key, modifiers);
    view.removeEventFilter(&counter);
    EXPECT_EQ(counter.presses, 0);
    EXPECT_EQ(view.meter().typedName(), brio::BRString("Ana"));
}

TEST_F(MainWindowTest, TheViewHasTheKeyboardFocus)
{
    MainWindow* frame = startFrame();
    frame->setFocus();
    EXPECT_TRUE(frame->view().hasFocus());
    EXPECT_TRUE(frame->view().listening());
}

TEST_F(MainWindowTest, FullScreenModeTakesTheMenuAwayHidesThePointerAndIsStored)
{
    MainWindow* frame = startFrame();
    frame->toggleFullScreen();
    processEvents(50);
    EXPECT_TRUE(frame->isFullScreenMode());
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_EQ(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->view().cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(stored("fullscreen"), 1);

    frame->toggleFullScreen();
    processEvents(50);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(frame->isMaximized());
    ASSERT_NE(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->menuBar()->actions().size(), 5);  // File, Edit, View, Rounds, Help
    EXPECT_EQ(frame->view().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(stored("fullscreen"), 0);
}

TEST_F(MainWindowTest, DoubleClickTogglesFullScreenMode)
{
    MainWindow* frame = startFrame();
    QTest::mouseDClick(&frame->view(), Qt::LeftButton, {}, QPoint(100, 100));
    processEvents(50);
    EXPECT_TRUE(frame->isFullScreenMode());
    QTest::mouseDClick(&frame->view(), Qt::LeftButton, {}, QPoint(100, 100));
    processEvents(50);
    EXPECT_FALSE(frame->isFullScreenMode());
}

TEST_F(MainWindowTest, AViewOutsideTheMainWindowIgnoresDoubleClicksAndKeepsTheArrow)
{
    TestMeterView view(testSettings());
    view.resize(300, 200);
    view.show();
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(stored("fullscreen"), -1);
}

TEST_F(MainWindowTest, TheAboutBoxIsOwnedByTheMainWindow)
{
    MainWindow* frame = startFrame();
    QWidget* owner = nullptr;
    answerNextModal([&](QWidget* modal) {
        owner = modal->parentWidget();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    run(*frame, Command::About);
    EXPECT_EQ(owner, frame);
}

TEST_F(MainWindowTest, ClosingSavesTheNormalRectangleAndTheNextStartRestoresIt)
{
    MainWindow* frame = startFrame();
    frame->setGeometry(120, 90, 640, 480);
    processEvents(50);
    const QRect before = frame->normalGeometry();
    QPointer<MainWindow> watch(frame);
    run(*frame, Command::Exit);
    processEvents(50);
    EXPECT_TRUE(watch.isNull());  // the window deletes itself
    EXPECT_EQ(stored("xpos"), before.x());
    EXPECT_EQ(stored("ypos"), before.y());
    EXPECT_EQ(stored("width"), before.width());
    EXPECT_EQ(stored("height"), before.height());
    EXPECT_EQ(stored("state"), kShowNormal);

    MainWindow* again = startFrame();
    EXPECT_EQ(again->geometry(), before);
    EXPECT_FALSE(again->isMaximized());
}

TEST_F(MainWindowTest, AMaximisedCloseStoresStateThreeAndTheNormalRectangle)
{
    MainWindow* frame = startFrame();
    frame->setGeometry(100, 100, 500, 400);
    processEvents(50);
    frame->showMaximized();
    processEvents(50);
    frame->close();
    processEvents(50);
    EXPECT_EQ(stored("state"), kShowMaximised);
    EXPECT_EQ(stored("width"), 500);
    EXPECT_EQ(stored("height"), 400);
    MainWindow* again = startFrame();
    processEvents(50);
    EXPECT_TRUE(again->isMaximized());
    EXPECT_EQ(again->normalGeometry().size(), QSize(500, 400));
}

TEST_F(MainWindowTest, AMinimisedCloseComesBackNormal)
{
    MainWindow* frame = startFrame();
    frame->setGeometry(100, 100, 500, 400);
    processEvents(50);
    frame->showMaximized();
    frame->showMinimized();
    processEvents(50);
    frame->close();
    processEvents(50);
    EXPECT_EQ(stored("state"), kShowNormal);
    MainWindow* again = startFrame();
    EXPECT_FALSE(again->isMaximized());
    EXPECT_FALSE(again->isMinimized());
    EXPECT_EQ(again->geometry().size(), QSize(500, 400));
}

TEST_F(MainWindowTest, AFullScreenCloseComesBackInFullScreenMode)
{
    MainWindow* frame = startFrame();
    frame->toggleFullScreen();
    processEvents(50);
    frame->close();
    processEvents(50);
    EXPECT_EQ(stored("state"), kShowMaximised);
    MainWindow* again = startFrame();
    processEvents(50);
    EXPECT_TRUE(again->isFullScreenMode());
    EXPECT_TRUE(again->isFullScreen());
    EXPECT_EQ(again->menuWidget(), nullptr);
}

TEST_F(MainWindowTest, AStoredRectangleOffEveryScreenIsNotUsed)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    store("xpos", screen.right() + 500);
    store("ypos", 100);
    store("width", 600);
    store("height", 400);
    store("state", kShowNormal);
    MainWindow* frame = startFrame();
    EXPECT_TRUE(frame->geometry().intersects(screen));
}

TEST_F(MainWindowTest, FullScreenFlagWithoutAStoredSizeStartsInFullScreenMode)
{
    store("fullscreen", 1);
    MainWindow* frame = startFrame();
    processEvents(50);
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_EQ(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->view().cursor().shape(), Qt::BlankCursor);
    // The menu bar, never made at the start, comes with the window leaving full-screen mode.
    frame->toggleFullScreen();
    processEvents(50);
    const auto* bar = qobject_cast<const QMenuBar*>(frame->menuWidget());
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->actions().isEmpty());
}

// Help > Contents... opens the guide in the user's language: German and French pages beside the
// English one in the working folder's help folder, the last place the window looks.
TEST_F(MainWindowTest, HelpContentsOpensThePageInTheUsersLanguage)
{
    QTemporaryDir working;
    ASSERT_TRUE(working.isValid());
    for (const QString page : {"index.html", "de/index.html", "fr/index.html"}) {
        const QString path = working.path() + QStringLiteral("/help/") + page;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Put back however the test ends.
    struct Restore {
        QString workingFolder = QDir::currentPath();
        QLocale locale;
        ~Restore()
        {
            QLocale::setDefault(locale);
            QDir::setCurrent(workingFolder);
        }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(working.path()));

    MainWindow* frame = startFrame();
    std::vector<QUrl> opened;
    std::vector<QString> missing;
    frame->setHelpActions({[&opened](const QUrl& url) { opened.push_back(url); },
                           [&missing](const QString& message) { missing.push_back(message); }});

    const struct {
        QLocale locale;
        QString page;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("/help/de/index.html")},
        {QLocale(QLocale::German, QLocale::Switzerland), QStringLiteral("/help/de/index.html")},
        {QLocale(QLocale::French, QLocale::Canada), QStringLiteral("/help/fr/index.html")},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), QStringLiteral("/help/index.html")},
        {QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("/help/index.html")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.locale.name().toStdString());
        QLocale::setDefault(test.locale);
        opened.clear();
        run(*frame, Command::HelpContents);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(),
                  QFileInfo(working.path() + test.page).canonicalFilePath());
    }
    EXPECT_TRUE(missing.empty());
}

}  // namespace

// With --show-control the dialog shows the server that runs, and OK keeps it running as shown
// rather than falling back to the stored "off".
TEST_F(MainWindowTest, TheShowControlDialogShowsAndEditsTheRunningServer)
{
    MainWindow* frame = startFrame();
    ASSERT_FALSE(shows.back()->showControl().isRunning());
    const int port = 20000 + static_cast<int>(QCoreApplication::applicationPid() % 20000);
    shows.back()->showControl().startForThisRun(port);
    ASSERT_TRUE(shows.back()->showControl().isRunning());
    int shownPort = 0;
    bool shownOn = false;
    answerNextModal([&](QWidget* dialog) {
        shownPort = dialog->findChild<QSpinBox*>()->value();
        shownOn = dialog->findChild<QCheckBox*>()->isChecked();
        static_cast<QDialog*>(dialog)->accept();
    });
    run(*frame, Command::ShowControl);
    EXPECT_EQ(shownPort, port);
    EXPECT_TRUE(shownOn);
    EXPECT_TRUE(shows.back()->showControl().isRunning());
    EXPECT_NE(stored("ShowControl"), 1);  // this run's choice is not stored
}

// View > OSC...: switched on with a target, "Send Test" reaches it, OK opens the port, and a
// message from this computer starts a contestant; the dialog then counts it.
TEST_F(MainWindowTest, TheOscDialogSwitchesOscOnAndCountsWhatCameIn)
{
    MainWindow* frame = startFrame();
    ASSERT_EQ(shows.back()->osc().link(), nullptr) << "off until switched on: no socket";
    QUdpSocket target;
    ASSERT_TRUE(target.bind(QHostAddress::LocalHost, 0));
    quint16 port = 0;
    {
        QUdpSocket probe;
        ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
        port = probe.localPort();
    }
    QString problems;
    answerNextModal([&](QWidget* dialog) {
        dialog->findChild<QCheckBox*>()->setChecked(true);
        dialog->findChild<QSpinBox*>()->setValue(port);
        if (auto* sendTo = dialog->findChild<QLineEdit*>(QStringLiteral("sendTo")))
            sendTo->setText(QStringLiteral("127.0.0.1:%1, not-a-target").arg(target.localPort()));
        for (QLabel* label : dialog->findChildren<QLabel*>())
            problems += label->text() + QLatin1Char('\n');
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().contains(QStringLiteral("Test")))
                button->click();
        }
        for (QLabel* label : dialog->findChildren<QLabel*>())
            problems += label->text() + QLatin1Char('\n');
        static_cast<QDialog*>(dialog)->accept();
    });
    run(*frame, Command::Osc);
    EXPECT_TRUE(problems.contains(QStringLiteral("Not an address: not-a-target")))
        << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("went to 1 target"))) << problems.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return target.hasPendingDatagrams(); }, 5000));
    EXPECT_TRUE(target.receiveDatagram().data().startsWith("/ovatron/test"));
    EXPECT_EQ(stored("Osc"), 1);
    ASSERT_NE(shows.back()->osc().link(), nullptr);

    QUdpSocket sender;
    const QByteArray message("/ovatron/contestant\0,s\0\0Ana\0", 28);
    sender.writeDatagram(message, QHostAddress::LocalHost, port);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return shows.back()->session().meter().state() == MeterState::Measuring; }, 5000));
    QString counts;
    answerNextModal([&](QWidget* dialog) {
        for (QLabel* label : dialog->findChildren<QLabel*>())
            counts += label->text();
        static_cast<QDialog*>(dialog)->reject();
    });
    run(*frame, Command::Osc);
    EXPECT_TRUE(counts.contains(QStringLiteral("in: 1,"))) << counts.toStdString();
}

TEST_F(MainWindowTest, CloseMarkingClosesTheLatestOpenAndReopenOpensTheSelectedRowsAgain)
{
    MainWindow* frame = startFrame();
    MeterSession& session = shows.back()->session();
    session.restoreEvent({Score{"Anna", 80, 0}, Score{"Ben", 60, 1}}, brio::BRStringArray(), 2);
    jury::JuryRules rules;
    rules.judges = {QStringLiteral("Ines")};
    const auto judges = session.setUpJury(rules);
    ASSERT_TRUE(std::holds_alternative<std::vector<jury::Judge>>(judges));
    const QString token = std::get<std::vector<jury::Judge>>(judges).at(0).token;
    const QString names[] = {QStringLiteral("Anna"), QStringLiteral("Ben")};
    for (std::int64_t order = 0; order < 2; ++order) {
        ASSERT_TRUE(session.openMarking(order));
        const QString& name = names[order];
        session.takeMark({token, name, {{QString(), 7.0}}, name});
    }
    QMenu* edit = popup(*frame, "&Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(shownItem(*edit, "closeMarking")->isEnabled());
    run(*frame, Command::CloseMarking);
    ASSERT_EQ(session.openMarkings().size(), 1u);
    EXPECT_EQ(session.openMarkings().front().name, QStringLiteral("Anna"));  // Ben opened last
    run(*frame, Command::CloseMarking);
    EXPECT_TRUE(session.openMarkings().empty());
    EXPECT_FALSE(shownItem(*edit, "closeMarking")->isEnabled());

    session.moveSelection(1);
    const MeterCore& meter = session.meter();
    ASSERT_TRUE(meter.leagueTable().contains(meter.correctionRow()));
    const std::int64_t selected = meter.leagueTable().entry(meter.correctionRow()).order;
    ASSERT_TRUE(shownItem(*edit, "reopenMarking")->isEnabled());
    run(*frame, Command::ReopenMarking);
    ASSERT_EQ(session.openMarkings().size(), 1u);
    EXPECT_EQ(session.openMarkings().front().order, selected);
    EXPECT_FALSE(shownItem(*edit, "reopenMarking")->isEnabled());
}
