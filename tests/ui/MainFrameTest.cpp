// The main window: command routing from both menus and by id, the accelerators, the menu
// rules, full-screen mode and the placement kept across runs.
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/MenuBuilder.h"
#include "app/Ovatron.h"
#include "app/PlacementSettings.h"
#include "app/TheConfig.h"
#include "support/UiTestFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

using ovatron::test::answerNextModal;
using ovatron::test::UiTest;

int stored(const char* key)
{
    return theConfig.getRegistryInteger(kSettingsSection, key, -1, kSettingsHive);
}

void store(const char* key, int value)
{
    theConfig.setRegistryInteger(kSettingsSection, key, value, kSettingsHive);
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

class MainFrameTest : public UiTest {
protected:
    // A main window as the application makes it; it deletes itself when closed.
    CMainFrame* startFrame()
    {
        auto* frame = new CMainFrame;
        frames.append(frame);
        theApp.setMainWindow(frame);
        frame->LoadFrame();
        frame->RestorePlacement();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame));
        QApplication::setActiveWindow(frame);
        return frame;
    }

    static QAction* menuAction(QMenu& menu, int id)
    {
        for (QAction* action : menu.actions())
            if (!action->isSeparator() && commandIdOf(action) == id)
                return action;
        return nullptr;
    }

    static QMenu* popup(CMainFrame& frame, const QString& title)
    {
        for (QAction* action : frame.menuBar()->actions())
            if (action->text() == title)
                return action->menu();
        return nullptr;
    }

    // Opens a menu's rules as its opening would, and returns the action of the id.
    static QAction* shownItem(QMenu& menu, int id)
    {
        emit menu.aboutToShow();
        return menuAction(menu, id);
    }

    void TearDown() override
    {
        for (const QPointer<CMainFrame>& frame : frames)
            delete frame.data();
        UiTest::TearDown();
    }

    QList<QPointer<CMainFrame>> frames;
};

TEST_F(MainFrameTest, TheMenuBarHasTheProgramsMenusAndTitle)
{
    CMainFrame* frame = startFrame();
    EXPECT_EQ(frame->windowTitle(), "Ovatron");
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Help"}));
    QStringList edit;
    for (QAction* action : popup(*frame, "&Edit")->actions())
        edit << action->text();
    EXPECT_EQ(edit, (QStringList{"&Font", "&Use League Table", "&Clear League Table", "&Edit Preload List",
                                 "&Show Summary Screen"}));
}

TEST_F(MainFrameTest, AViewCommandReachesTheViewFromTheMainMenuAndById)
{
    CMainFrame* frame = startFrame();
    ASSERT_EQ(frame->view().meter().useLeagueTable(), 1);
    menuAction(*popup(*frame, "&Edit"), ID_USE_LEAGUE_TABLE)->trigger();
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 0);
    EXPECT_EQ(stored("UseLeagueTable"), 0);
    EXPECT_TRUE(frame->OnCmdMsg(ID_USE_LEAGUE_TABLE));
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 1);
    EXPECT_FALSE(frame->OnCmdMsg(ID_EDIT_COPY));  // nobody handles the editing commands
}

TEST_F(MainFrameTest, AViewCommandReachesTheViewFromTheContextMenu)
{
    CMainFrame* frame = startFrame();
    bool sawMenu = false;
    QTimer::singleShot(50, [&]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        sawMenu = true;
        QAction* clear = menuAction(*menu, ID_CLEAR_LEAGUE_TABLE);
        ASSERT_NE(clear, nullptr);
        EXPECT_TRUE(clear->isEnabled());
        EXPECT_TRUE(menuAction(*menu, ID_USE_LEAGUE_TABLE)->isChecked());
        menuAction(*menu, ID_USE_LEAGUE_TABLE)->trigger();
        menu->close();
    });
    QTest::mouseClick(&frame->view(), Qt::RightButton, {}, QPoint(200, 150));
    processEvents(100);
    EXPECT_TRUE(sawMenu);
    EXPECT_EQ(frame->view().meter().useLeagueTable(), 0);
}

TEST_F(MainFrameTest, MenuRulesSetCheckMarksAndEnabledStatesWhenAMenuOpens)
{
    CMainFrame* frame = startFrame();
    QMenu& edit = *popup(*frame, "&Edit");
    EXPECT_TRUE(shownItem(edit, ID_USE_LEAGUE_TABLE)->isChecked());
    EXPECT_TRUE(shownItem(edit, ID_CLEAR_LEAGUE_TABLE)->isEnabled());
    EXPECT_TRUE(shownItem(edit, ID_SHOW_SUMMARY_SCREEN)->isChecked());

    frame->OnCmdMsg(ID_USE_LEAGUE_TABLE);
    EXPECT_FALSE(shownItem(edit, ID_USE_LEAGUE_TABLE)->isChecked());
    EXPECT_FALSE(shownItem(edit, ID_CLEAR_LEAGUE_TABLE)->isEnabled());
    EXPECT_FALSE(shownItem(edit, ID_EDIT_PRELOAD_LIST)->isEnabled());
    QAction* summary = shownItem(edit, ID_SHOW_SUMMARY_SCREEN);
    EXPECT_FALSE(summary->isEnabled());
    EXPECT_TRUE(summary->isChecked());
    EXPECT_TRUE(shownItem(edit, ID_EDIT_FONT)->isEnabled());
}

TEST_F(MainFrameTest, AcceleratorsSwallowTheirKeys)
{
    CMainFrame* frame = startFrame();
    ChildView& view = frame->view();
    view.setFocus();
    QTest::keyClicks(&view, "Ana");
    ASSERT_EQ(view.meter().typedName(), brio::BRString("Ana"));
    KeyCounter counter;
    view.installEventFilter(&counter);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_C, Qt::ControlModifier},       {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},       {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Backspace, Qt::AltModifier},   {Qt::Key_Insert, Qt::ShiftModifier},
        {Qt::Key_Insert, Qt::ControlModifier},  {Qt::Key_Delete, Qt::ShiftModifier},
        {Qt::Key_F6, Qt::NoModifier},           {Qt::Key_F6, Qt::ShiftModifier},
    };
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(&view, key, modifiers);
    view.removeEventFilter(&counter);
    EXPECT_EQ(counter.presses, 0);
    EXPECT_EQ(view.meter().typedName(), brio::BRString("Ana"));
}

TEST_F(MainFrameTest, TheViewHasTheKeyboardFocus)
{
    CMainFrame* frame = startFrame();
    frame->setFocus();
    EXPECT_TRUE(frame->view().hasFocus());
    EXPECT_TRUE(frame->view().listening());
}

TEST_F(MainFrameTest, FullScreenModeTakesTheMenuAwayHidesThePointerAndIsStored)
{
    CMainFrame* frame = startFrame();
    frame->ToggleFullScreen();
    processEvents(50);
    EXPECT_TRUE(frame->isFullScreenMode());
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_EQ(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->view().cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(stored("fullscreen"), 1);

    frame->ToggleFullScreen();
    processEvents(50);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(frame->isMaximized());
    ASSERT_NE(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->menuBar()->actions().size(), 3);
    EXPECT_EQ(frame->view().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(stored("fullscreen"), 0);
}

TEST_F(MainFrameTest, DoubleClickTogglesFullScreenMode)
{
    CMainFrame* frame = startFrame();
    QTest::mouseDClick(&frame->view(), Qt::LeftButton, {}, QPoint(100, 100));
    processEvents(50);
    EXPECT_TRUE(frame->isFullScreenMode());
    QTest::mouseDClick(&frame->view(), Qt::LeftButton, {}, QPoint(100, 100));
    processEvents(50);
    EXPECT_FALSE(frame->isFullScreenMode());
}

TEST_F(MainFrameTest, AViewOutsideTheMainWindowIgnoresDoubleClicksAndKeepsTheArrow)
{
    ChildView view;
    view.resize(300, 200);
    view.show();
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(stored("fullscreen"), -1);
}

TEST_F(MainFrameTest, TheAboutBoxIsOwnedByTheMainWindow)
{
    CMainFrame* frame = startFrame();
    QWidget* owner = nullptr;
    answerNextModal([&](QWidget* modal) {
        owner = modal->parentWidget();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_TRUE(theApp.OnCmdMsg(ID_APP_ABOUT));
    EXPECT_EQ(owner, frame);
}

TEST_F(MainFrameTest, ClosingSavesTheNormalRectangleAndTheNextStartRestoresIt)
{
    CMainFrame* frame = startFrame();
    frame->setGeometry(120, 90, 640, 480);
    processEvents(50);
    const QRect before = frame->normalGeometry();
    QPointer<CMainFrame> watch(frame);
    EXPECT_TRUE(theApp.OnCmdMsg(ID_APP_EXIT));
    processEvents(50);
    EXPECT_TRUE(watch.isNull());  // the window deletes itself
    EXPECT_EQ(stored("xpos"), before.x());
    EXPECT_EQ(stored("ypos"), before.y());
    EXPECT_EQ(stored("width"), before.width());
    EXPECT_EQ(stored("height"), before.height());
    EXPECT_EQ(stored("state"), kShowNormal);

    CMainFrame* again = startFrame();
    EXPECT_EQ(again->geometry(), before);
    EXPECT_FALSE(again->isMaximized());
}

TEST_F(MainFrameTest, AMaximisedCloseStoresStateThreeAndTheNormalRectangle)
{
    CMainFrame* frame = startFrame();
    frame->setGeometry(100, 100, 500, 400);
    processEvents(50);
    frame->showMaximized();
    processEvents(50);
    frame->close();
    processEvents(50);
    EXPECT_EQ(stored("state"), kShowMaximised);
    EXPECT_EQ(stored("width"), 500);
    EXPECT_EQ(stored("height"), 400);
    CMainFrame* again = startFrame();
    processEvents(50);
    EXPECT_TRUE(again->isMaximized());
    EXPECT_EQ(again->normalGeometry().size(), QSize(500, 400));
}

TEST_F(MainFrameTest, AMinimisedCloseComesBackNormal)
{
    CMainFrame* frame = startFrame();
    frame->setGeometry(100, 100, 500, 400);
    processEvents(50);
    frame->showMaximized();
    frame->showMinimized();
    processEvents(50);
    frame->close();
    processEvents(50);
    EXPECT_EQ(stored("state"), kShowNormal);
    CMainFrame* again = startFrame();
    EXPECT_FALSE(again->isMaximized());
    EXPECT_FALSE(again->isMinimized());
    EXPECT_EQ(again->geometry().size(), QSize(500, 400));
}

TEST_F(MainFrameTest, AFullScreenCloseComesBackInFullScreenMode)
{
    CMainFrame* frame = startFrame();
    frame->ToggleFullScreen();
    processEvents(50);
    frame->close();
    processEvents(50);
    EXPECT_EQ(stored("state"), kShowMaximised);
    CMainFrame* again = startFrame();
    processEvents(50);
    EXPECT_TRUE(again->isFullScreenMode());
    EXPECT_TRUE(again->isFullScreen());
    EXPECT_EQ(again->menuWidget(), nullptr);
}

TEST_F(MainFrameTest, AStoredRectangleOffEveryScreenIsNotUsed)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    store("xpos", screen.right() + 500);
    store("ypos", 100);
    store("width", 600);
    store("height", 400);
    store("state", kShowNormal);
    CMainFrame* frame = startFrame();
    EXPECT_TRUE(frame->geometry().intersects(screen));
}

TEST_F(MainFrameTest, FullScreenFlagWithoutAStoredSizeStartsInFullScreenMode)
{
    store("fullscreen", 1);
    CMainFrame* frame = startFrame();
    processEvents(50);
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_EQ(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->view().cursor().shape(), Qt::BlankCursor);
}

}  // namespace
