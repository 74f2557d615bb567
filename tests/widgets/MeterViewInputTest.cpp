// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MeterView.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <optional>
#include <vector>

using namespace ovatron::test;

namespace {

using ovatron::test::TestMeterView;

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
        view = new TestMeterView(testSettings(), window.get());
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
    TestMeterView* view = nullptr;
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

TEST_F(MeterViewInput, EveryPrintableCharacterTheKeyboardGivesIsTypedAndShortcutsAreNot)
{
    struct Key {
        int key;
        const char16_t* text;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {
        {Qt::Key_Z, u"Z", Qt::ShiftModifier},
        {Qt::Key_Eacute, u"\u00E9", Qt::NoModifier},           // an accented letter
        {Qt::Key_Dead_Diaeresis, u"", Qt::NoModifier},          // a dead key types nothing...
        {Qt::Key_U, u"\u00FC", Qt::NoModifier},                 // ...the next key its result
        {Qt::Key_L, u"\u0142", Qt::GroupSwitchModifier},        // AltGr on X11
        {Qt::Key_E, u"\u20AC", Qt::GroupSwitchModifier | Qt::ShiftModifier},
        {Qt::Key_unknown, u"\U0001D400", Qt::NoModifier},       // outside the BMP, whole
        {Qt::Key_E, u"e", Qt::NoModifier},
        {Qt::Key_unknown, u"\u0301", Qt::NoModifier},           // a combining mark
        {Qt::Key_unknown, u"\u05E9", Qt::NoModifier},           // Hebrew
        {Qt::Key_A, u"\u0001", Qt::ControlModifier},            // shortcuts and menus
        {Qt::Key_B, u"b", Qt::AltModifier},
        {Qt::Key_B, u"b", Qt::MetaModifier},
        {Qt::Key_Tab, u"\t", Qt::NoModifier},                   // controls
        {Qt::Key_Delete, u"\u007F", Qt::NoModifier},
        {Qt::Key_F1, u"", Qt::NoModifier},
        {Qt::Key_AsciiTilde, u"~", Qt::NoModifier},
    };
    for (const Key& key : keys)
        sendKey(QEvent::KeyPress, key.key, QString::fromUtf16(key.text), key.modifiers);
    EXPECT_EQ(view->meter().typedName(),
              brio::BRString(u"Z\u00E9\u00FC\u0142\u20AC\U0001D400e\u0301\u05E9~"));
}

TEST_F(MeterViewInput, AnInputMethodShowsWhatItComposesAndTypesWhatItCommits)
{
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImCursorRectangle);
    QApplication::sendEvent(view, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool());
    const QRect emptyCursor = query.value(Qt::ImCursorRectangle).toRect();
    const QImage before = view->renderToImage(kViewSize);

    QInputMethodEvent composing(QStringLiteral("Yam"), {});
    QApplication::sendEvent(view, &composing);
    EXPECT_TRUE(view->meter().typedName().empty());
    const QImage shown = view->renderToImage(kViewSize);
    EXPECT_NEAR(pixelBounds(shown, shown.rect(), isAnyInk).width() -
                    pixelBounds(before, before.rect(), isAnyInk).width(),
                displayMetrics(*view).horizontalAdvance(QStringLiteral("Yam")), 3);
    QApplication::sendEvent(view, &query);
    EXPECT_GT(query.value(Qt::ImCursorRectangle).toRect().left(), emptyCursor.left());

    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("\u5C71\u7530 Z\u00F6e"));
    QApplication::sendEvent(view, &committed);
    EXPECT_EQ(view->meter().typedName(), brio::BRString(u"\u5C71\u7530 Z\u00F6e"));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(view->meter().leagueTable().count(), 1);
    EXPECT_EQ(view->meter().leagueTable().entry(0).name, brio::BRString(u"\u5C71\u7530 Z\u00F6e"));
    // While the meter runs SPACE is the applause: the input method keeps out of it.
    QApplication::sendEvent(view, &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
    QTest::keyClick(view, Qt::Key_Escape);
    QApplication::sendEvent(view, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool());
}

TEST_F(MeterViewInput, BackspaceRemovesTheLastCharacterAsTheReaderSeesIt)
{
    const char16_t* lastCharacters[] = {
        u"e\u0308\u0301",                            // a letter with two combining marks
        u"\U0001F44D\U0001F3FD",                     // an emoji with a skin-tone modifier
        u"\U0001F468\u200D\U0001F469\u200D\U0001F467",  // a joined family
        u"\U0001D400",                               // a surrogate pair
    };
    for (const char16_t* last : lastCharacters) {
        QTest::keyClick(view, Qt::Key_Escape);
        QTest::keyClicks(view, "Zo");
        // Typed as the keyboard gives it: one code a key.
        const QString text = QString::fromUtf16(last);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype units = text.at(i).isHighSurrogate() ? 2 : 1;
            sendKey(QEvent::KeyPress, Qt::Key_unknown, text.mid(i, units));
            i += units - 1;
        }
        ASSERT_EQ(view->meter().typedName().length(), 2 + text.size());
        QTest::keyClick(view, Qt::Key_Backspace);
        EXPECT_EQ(view->meter().typedName(), brio::BRString("Zo")) << text.toStdString();
    }
}

TEST_F(MeterViewInput, AHeldSpaceTypesOneSpaceAndTypedSpacesStay)
{
    QTest::keyClicks(view, "Ann");
    sendKey(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    for (int repeat = 0; repeat < 5; ++repeat) {
        sendKey(QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier, true);
        sendKey(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier, true);
    }
    sendKey(QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    QTest::keyClicks(view, "Lee  Jr");
    EXPECT_EQ(view->meter().typedName(), brio::BRString("Ann Lee  Jr"));
    EXPECT_FALSE(view->spaceDown());
}

TEST_F(MeterViewInput, EnterTrimsTheNameAndABlankNameStartsNothing)
{
    QTest::keyClicks(view, "   ");
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->meter().state(), MeterState::NameEntry);
    EXPECT_EQ(view->meter().leagueTable().count(), 0);
    QTest::keyClicks(view, "Bob Lee ");
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(view->meter().leagueTable().count(), 1);
    EXPECT_EQ(view->meter().leagueTable().entry(0).name, brio::BRString("Bob Lee"));
}

TEST_F(MeterViewInput, ANameTypedDecomposedOrComposedIsOneName)
{
    // "Zoë" with a combining diaeresis key, then with the precomposed letter.
    QTest::keyClicks(view, "Zoe");
    sendKey(QEvent::KeyPress, Qt::Key_unknown, QStringLiteral("\u0308"));
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClicks(view, "Zo");
    sendKey(QEvent::KeyPress, Qt::Key_Ediaeresis, QStringLiteral("\u00EB"));
    QTest::keyClick(view, Qt::Key_Return);
    const LeagueTable& table = view->meter().leagueTable();
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.entry(0).name, brio::BRString(u"Zo\u00EB"));
    EXPECT_EQ(table.entry(1).name, table.entry(0).name);
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

// A resting meter does not wake the program: the clock runs only while a tick could change
// something, and the levels it steps through are those of a clock that never stopped.
TEST_F(MeterViewInput, TheClockSleepsWhileTheMeterRestsAndResumesWhereItStopped)
{
    QSignalSpy repaints(view, &MeterView::repaintRequested);
    EXPECT_FALSE(view->isTicking());  // name entry
    QTest::keyClicks(view, "Ann");
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->isTicking());  // at 0 with SPACE up
    processEvents();
    EXPECT_EQ(view->grab().toImage().convertToFormat(QImage::Format_RGB32),
              view->renderToImage(view->size()))
        << "the turn shows without waiting for a tick";

    MeterCore reference(true, true);  // ticked every 20 ms, resting or not
    reference.onText(brio::BRString::fromUtf8("Ann"));
    reference.onChar(MeterCore::kEnter);
    const auto lockstep = [&](bool spaceDown, int count) {
        std::vector<int> expected;
        for (int i = 0; i < count; ++i) {
            reference.tick(TickInput{true, spaceDown});
            expected.push_back(reference.level());
        }
        return expected;
    };
    QTest::keyPress(view, Qt::Key_Space);
    EXPECT_TRUE(view->isTicking());
    EXPECT_EQ(levelsOverTicks(71), lockstep(true, 71));
    EXPECT_EQ(view->meter().level(), 100);
    EXPECT_FALSE(view->isTicking());  // held at 100
    lockstep(true, 50);  // the clock that never stopped keeps ticking at the top
    repaints.clear();
    QTest::qWait(5 * MeterView::kTickMilliseconds);
    EXPECT_EQ(repaints.count(), 0);

    QTest::keyRelease(view, Qt::Key_Space);
    EXPECT_TRUE(view->isTicking());
    EXPECT_EQ(levelsOverTicks(100), lockstep(false, 100));
    EXPECT_EQ(view->meter().level(), 0);
    EXPECT_FALSE(view->isTicking());  // back at 0
    EXPECT_EQ(view->meter().peak(), reference.peak());
    EXPECT_EQ(view->meter().leagueTable().entry(0).score, reference.leagueTable().entry(0).score);
}

// A microphone's level may move at any moment, so the clock keeps running for it; without
// the microphone, the same resting turn sleeps.
TEST_F(MeterViewInput, TheClockKeepsRunningWhileTheMicrophoneIsTheInput)
{
    bool microphone = true;
    // As the microphone's source answers: a reading only while it is the input.
    view->setMeasuredLevel(
        [&] { return microphone ? std::optional<int>(12) : std::nullopt; },
        [&] { return microphone; });
    QTest::keyClicks(view, "Ann");
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(view->isTicking());
    EXPECT_TRUE(QTest::qWaitFor([this] { return view->meter().level() == 12; }, 5000));
    EXPECT_TRUE(view->isTicking());
    microphone = false;
    view->followClock();
    EXPECT_TRUE(view->isTicking());  // the keyboard lets the level fall from 12
    EXPECT_TRUE(QTest::qWaitFor([this] { return !view->isTicking(); }, 5000));
    view->setMeasuredLevel({}, {});
    EXPECT_EQ(view->meter().level(), 0);
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
