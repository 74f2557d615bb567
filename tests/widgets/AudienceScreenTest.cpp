// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The audience screen beside the operator's window, on Qt's offscreen platform (one screen,
// so an ordinary window); tests/e2e/run_audience_e2e.sh covers two real screens.
#include "core/AudienceScreen.h"
#include "core/Command.h"
#include "core/settings/PlacementSettings.h"
#include "core/settings/StageSettings.h"
#include "support/UiTestFixture.h"
#include "widgets/AudienceWindow.h"
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "widgets/OperatorStrip.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QRegion>
#include <QTest>

namespace {

using ovatron::test::TestMeterView;
using ovatron::test::makeTestShow;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

class AudienceScreenTest : public UiTest {
protected:
    MainWindow& start(const char* look = "Stage")
    {
        testSettings().setRegistryString(kSettingsSection, kAudienceLookKey, look, kSettingsHive);
        show = makeTestShow();
        window = new MainWindow(*show, testSettings());
        show->followSettings();  // as the application does once the window listens
        window->restorePlacement();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QApplication::setActiveWindow(window);
        return *window;
    }

    void toggle() { window->commands().action(Command::AudienceScreen)->trigger(); }

    // Opens the audience screen and starts Ana's turn, the level lifted over `ticks` ticks.
    AudienceWindow* openDuringATurn(int ticks)
    {
        toggle();
        processEvents(50);
        MeterView& view = window->view();
        QTest::keyClicks(&view, "Ana");
        QTest::keyClick(&view, Qt::Key_Return);
        for (int tick = 0; tick < ticks; ++tick)
            show->session().meter().tick(TickInput{true, true});
        view.showChanges();
        processEvents(50);
        return const_cast<AudienceWindow*>(window->audienceWindow());
    }

    int stored(const char* key)
    {
        return testSettings().getRegistryInteger(kSettingsSection, key, -1, kSettingsHive);
    }

    void TearDown() override
    {
        delete window.data();
        UiTest::TearDown();
    }

    std::unique_ptr<Show> show;  // outlives the window
    QPointer<MainWindow> window;
};

TEST_F(AudienceScreenTest, OpensBesideTheOperatorsWindowWhichKeepsTheKeyboard)
{
    MainWindow& operatorWindow = start();
    toggle();
    processEvents(50);
    ASSERT_TRUE(operatorWindow.isAudienceScreenOpen());
    const AudienceWindow* audience = operatorWindow.audienceWindow();
    ASSERT_NE(audience, nullptr);
    EXPECT_TRUE(audience->isVisible());
    EXPECT_FALSE(audience->isFullScreen());  // one screen: an ordinary window
    EXPECT_EQ(QApplication::activeWindow(), &operatorWindow);
    EXPECT_TRUE(operatorWindow.view().listening());
    EXPECT_EQ(stored(kShowAudienceScreenKey), 1);

    toggle();
    processEvents(50);
    EXPECT_FALSE(operatorWindow.isAudienceScreenOpen());
    EXPECT_EQ(stored(kShowAudienceScreenKey), 0);
}

TEST_F(AudienceScreenTest, InTheMirrorLookShowsWhatTheOperatorsViewShowsAndFollowsIt)
{
    MainWindow& operatorWindow = start("Mirror");
    AudienceWindow* audience = openDuringATurn(30);
    ASSERT_NE(audience, nullptr);
    const MeterView& view = operatorWindow.view();
    // The same picture at the same size: the audience window paints the operator's meter.
    audience->resize(view.size());
    processEvents(50);
    EXPECT_EQ(audience->grab().toImage().convertToFormat(QImage::Format_RGB32),
              view.renderToImage(view.size()));
}

// Notes the region of every paint of a widget.
class PaintRegions : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(AudienceScreenTest, WhileTheLevelFallsItRepaintsOnlyWhereTheLevelMarkerWas)
{
    MainWindow& operatorWindow = start("Mirror");
    AudienceWindow* audience = openDuringATurn(40);
    ASSERT_NE(audience, nullptr);
    MeterView& view = operatorWindow.view();

    PaintRegions paints;
    audience->installEventFilter(&paints);
    show->session().meter().tick(TickInput{true, false});
    view.showChanges();
    processEvents(30);  // the view's own clock may let the level fall a step or two more
    audience->removeEventFilter(&paints);
    // Beside the table the level marker stands at the left edge; the table and the peak stay.
    const QSize marker(view.markerSizes().level.width, view.markerSizes().level.height);
    ASSERT_FALSE(paints.painted.isEmpty());
    EXPECT_LE(paints.painted.boundingRect().right(), marker.width() - 1);
    EXPECT_LT(paints.painted.boundingRect().height(), 2 * marker.height());
}

TEST_F(AudienceScreenTest, EscInTheAudienceWindowClosesItAndTheOperatorCarriesOn)
{
    MainWindow& operatorWindow = start();
    toggle();
    processEvents(50);
    auto* audience = const_cast<AudienceWindow*>(operatorWindow.audienceWindow());
    ASSERT_NE(audience, nullptr);
    QTest::keyClick(audience, Qt::Key_Escape);
    processEvents(50);
    EXPECT_FALSE(operatorWindow.isAudienceScreenOpen());
    EXPECT_EQ(stored(kShowAudienceScreenKey), 0);
    EXPECT_EQ(operatorWindow.view().meter().state(), MeterState::NameEntry);
}

TEST_F(AudienceScreenTest, TheOperatorStripNamesTheStateAndTheNextNames)
{
    MainWindow& operatorWindow = start();
    MeterCore& meter = show->session().meter();
    toggle();
    processEvents(50);
    const auto* strip = operatorWindow.findChild<OperatorStrip*>();
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->text(), QStringLiteral("Name entry  ·  Next: nobody waiting"));
    for (const char* name : {"Ana", "Ben", "Cleo", "Dee", "Eve", "Fay"})
        meter.preloadList().add(name);
    QTest::keyClicks(&operatorWindow.view(), "Zed");
    QTest::keyClick(&operatorWindow.view(), Qt::Key_Return);
    operatorWindow.view().tickOnce();
    processEvents(20);
    EXPECT_EQ(strip->text(),
              QStringLiteral("Measuring  ·  Next: Ana, Ben, Cleo, Dee, Eve, …"));
    toggle();
    processEvents(20);
    EXPECT_FALSE(strip->isVisible());
}

TEST_F(AudienceScreenTest, FullScreenItHidesThePointer)
{
    TestMeterView view(testSettings());
    AudienceWindow audience(view.theShow(), view.style());
    for (const bool fullScreen : {true, false}) {
        audience.showOn(QGuiApplication::primaryScreen(), fullScreen);
        processEvents(20);
        EXPECT_EQ(audience.isFullScreen(), fullScreen);
        EXPECT_EQ(audience.cursor().shape(), fullScreen ? Qt::BlankCursor : Qt::ArrowCursor);
    }
}

TEST_F(AudienceScreenTest, ReopensAtTheNextStartWhenItWasOpenAtTheEnd)
{
    testSettings().setRegistryInteger(kSettingsSection, kShowAudienceScreenKey, 1, kSettingsHive);
    MainWindow& operatorWindow = start();
    processEvents(50);
    EXPECT_TRUE(operatorWindow.isAudienceScreenOpen());
    // Closing the program is not closing the audience screen: it comes back next time.
    operatorWindow.close();
    processEvents(50);
    EXPECT_EQ(stored(kShowAudienceScreenKey), 1);
}

}  // namespace
