#include "widgets/MeterView.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <vector>

using namespace ovatron::test;

namespace {

const QSize kViewSize(1000, 600);

// A view in a shown, active window of its own, holding the keyboard focus.
class MeterViewInput : public UiTest {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        other = new QLineEdit(window.get());
        view = new MeterView(testSettings(), window.get());
        layout->addWidget(other);
        layout->addWidget(view, 1);
        window->resize(kViewSize + QSize(0, 30));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        view->setFocus();
        processEvents();
        ASSERT_EQ(QApplication::focusWidget(), view);
    }

    void TearDown() override
    {
        window.reset();
        UiTest::TearDown();
    }

    void sendKey(QEvent::Type type, int key, const QString& text,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(view, &event);
    }

    std::vector<int> levelsOverTicks(int ticks)
    {
        std::vector<int> levels;
        for (int i = 0; i < ticks; ++i) {
            view->tickOnce();
            levels.push_back(view->meter().level());
        }
        return levels;
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    MeterView* view = nullptr;
};

}  // namespace

TEST_F(MeterViewInput, ATurnFromTypingToEscFollowsTheKeys)
{
    const QFontMetrics metrics = displayMetrics(*view);
    const QImage empty = view->renderToImage(kViewSize);
    QTest::keyClicks(view, "Bob");
    EXPECT_EQ(view->meter().typedName(), brio::BRString("Bob"));
    const QImage typed = view->renderToImage(kViewSize);
    EXPECT_NEAR(pixelBounds(typed, typed.rect(), isAnyInk).width() -
                    pixelBounds(empty, empty.rect(), isAnyInk).width(),
                metrics.horizontalAdvance("Bob"), 3);

    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(view->meter().state(), MeterState::Measuring);
    ASSERT_EQ(view->meter().leagueTable().count(), 1);
    EXPECT_EQ(view->meter().leagueTable().entry(0).name, brio::BRString("Bob"));
    EXPECT_TRUE(view->meter().typedName().empty());

    QTest::keyPress(view, Qt::Key_Space);
    EXPECT_TRUE(view->spaceDown());
    EXPECT_EQ(levelsOverTicks(9), (std::vector<int>{3, 6, 9, 12, 15, 18, 21, 23, 25}));
    QTest::keyRelease(view, Qt::Key_Space);
    EXPECT_FALSE(view->spaceDown());
    EXPECT_EQ(levelsOverTicks(3), (std::vector<int>{24, 23, 22}));
    EXPECT_EQ(view->meter().peak(), 25);
    EXPECT_EQ(view->meter().leagueTable().entry(0).score, 25);
    // SPACE in Measuring is a key state only: nothing is typed.
    EXPECT_TRUE(view->meter().typedName().empty());

    // The blue arrow stands where level 22 puts it; the score shows in blue.
    const QImage measuring = view->renderToImage(kViewSize);
    const layout::Rect client{0, 0, kViewSize.width(), kViewSize.height()};
    const layout::Rect scale =
        layout::scaleRect(client, 0, view->markerSizes(), true, metrics.height());
    const layout::Rect marker =
        layout::levelMarkerRect(client, scale, 0, view->markerSizes().level, 22);
    const QRect blue = pixelBounds(measuring, QRect(110, 0, 1, 600), isMarkerBlue);
    ASSERT_FALSE(blue.isNull());
    EXPECT_GE(blue.top(), marker.top);
    EXPECT_LT(blue.bottom(), marker.bottom);
    EXPECT_GT(countPixels(measuring, QRect(900, 0, 100, metrics.height()), isHighlightInk), 10);

    QTest::keyClick(view, Qt::Key_Enter);
    EXPECT_EQ(view->meter().state(), MeterState::Summary);
    const QImage summary = view->renderToImage(kViewSize);
    // No meter at the left any more: the table alone, from the middle.
    EXPECT_EQ(countPixels(summary, QRect(0, 0, 300, 600), isAnyInk), 0);
    EXPECT_GT(countPixels(summary, QRect(500, 0, 100, metrics.height()), isHighlightInk), 10);

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->meter().state(), MeterState::NameEntry);
    EXPECT_EQ(view->meter().currentIndex(), -1);
    const QImage reset = view->renderToImage(kViewSize);
    EXPECT_EQ(countPixels(reset, reset.rect(), isHighlightInk), 0);
    EXPECT_GT(countPixels(reset, QRect(0, 0, 200, metrics.height()), isAnyInk), 0);
}

TEST_F(MeterViewInput, SpaceTypedInNameEntryIsPartOfTheName)
{
    QTest::keyClicks(view, "Ann Lee");
    EXPECT_EQ(view->meter().typedName(), brio::BRString("Ann Lee"));
    EXPECT_FALSE(view->spaceDown());
}

TEST_F(MeterViewInput, BackspaceRemovesTheLastCharacter)
{
    QTest::keyClicks(view, "Bobb");
    QTest::keyClick(view, Qt::Key_Backspace);
    EXPECT_EQ(view->meter().typedName(), brio::BRString("Bob"));
}

TEST_F(MeterViewInput, OnlyPrintableAsciiAndTheThreeControlKeysReachTheMeter)
{
    QTest::keyClicks(view, "X");
    sendKey(QEvent::KeyPress, Qt::Key_Eacute, QStringLiteral("\u00e9"));
    sendKey(QEvent::KeyPress, Qt::Key_Delete, QString(QChar(127)));
    sendKey(QEvent::KeyPress, Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
    sendKey(QEvent::KeyPress, Qt::Key_B, QStringLiteral("b"), Qt::AltModifier);
    sendKey(QEvent::KeyPress, Qt::Key_F1, QString());
    sendKey(QEvent::KeyPress, Qt::Key_unknown, QStringLiteral("ab"));
    sendKey(QEvent::KeyPress, Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_EQ(view->meter().typedName(), brio::BRString("X"));
    // Every printable character from SPACE to '~' is taken.
    sendKey(QEvent::KeyPress, Qt::Key_AsciiTilde, QStringLiteral("~"));
    sendKey(QEvent::KeyPress, Qt::Key_Ampersand, QStringLiteral("&"));
    EXPECT_EQ(view->meter().typedName(), brio::BRString("X~&"));
}

TEST_F(MeterViewInput, KeypadEnterStartsTheTurnLikeReturn)
{
    QTest::keyClicks(view, "Kim");
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(view->meter().state(), MeterState::Measuring);
}

TEST_F(MeterViewInput, AutoRepeatDoesNotLetGoOfSpace)
{
    QTest::keyClicks(view, "Ann");
    QTest::keyClick(view, Qt::Key_Return);
    sendKey(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    sendKey(QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier, true);
    sendKey(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier, true);
    EXPECT_TRUE(view->spaceDown());
    EXPECT_EQ(levelsOverTicks(2), (std::vector<int>{3, 6}));
    sendKey(QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(view->spaceDown());
}

TEST_F(MeterViewInput, LosingTheFocusLetsGoOfSpaceAndStopsListening)
{
    QTest::keyClicks(view, "Ann");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyPress(view, Qt::Key_Space);
    EXPECT_EQ(levelsOverTicks(3), (std::vector<int>{3, 6, 9}));

    other->setFocus();  // delivered at once, before any timer tick can run
    EXPECT_FALSE(view->spaceDown());
    EXPECT_FALSE(view->listening());
    // Even a SPACE press that reaches the view counts as released while it lacks the focus.
    sendKey(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(levelsOverTicks(2), (std::vector<int>{8, 7}));
    EXPECT_EQ(view->meter().peak(), 9);
}

TEST_F(MeterViewInput, AnAncestorWithTheFocusCountsAsListening)
{
    window->setFocusPolicy(Qt::StrongFocus);
    window->setFocus();
    processEvents();
    ASSERT_EQ(QApplication::focusWidget(), window.get());
    EXPECT_TRUE(view->listening());
}

TEST_F(MeterViewInput, AnInactiveWindowDoesNotListen)
{
    EXPECT_TRUE(view->listening());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_FALSE(view->listening());
}

TEST_F(MeterViewInput, TheClockRunsWhileTheWindowIsShown)
{
    QTest::keyClicks(view, "Ann");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyPress(view, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([this] { return view->meter().level() >= 9; }, 5000));
    QTest::keyRelease(view, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([this] { return view->meter().level() == 0; }, 5000));
    EXPECT_GE(view->meter().peak(), 9);
}

TEST_F(MeterViewInput, TheScreenShowsWhatTheOffScreenRenderShows)
{
    QTest::keyClicks(view, "Bob");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyPress(view, Qt::Key_Space);
    levelsOverTicks(20);
    QTest::keyRelease(view, Qt::Key_Space);
    const QImage onScreen = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(onScreen, view->renderToImage(view->size()));
}
