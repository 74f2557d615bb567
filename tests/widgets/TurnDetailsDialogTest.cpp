// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Turn Details on the offscreen platform: the plot's pixels (the marked level's line at its
// height, both turns of a contestant measured again), the figures of the chosen turn, and the
// command from the main window, greyed until the row has a curve.
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "widgets/dialogs/CurvePlot.h"
#include "widgets/dialogs/TurnDetailsDialog.h"

#include "support/UiTestFixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLocale>
#include <QPointer>
#include <QTest>

#include <cmath>

namespace {

using ovatron::test::makeTestShow;
using ovatron::test::answerNextModal;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

// The keyboard's turn first (2 s, rising by 3 a reading to 57), then the room's (4 s,
// 70 and 90 in turn: it held 70).
RowCurves measuredAgain()
{
    TurnCurve keyboard;
    for (int reading = 0; reading < 20; ++reading)
        keyboard.readings.push_back(std::uint8_t(reading * 3));
    TurnCurve room;
    room.source = {.microphone = true, .inputName = u"Hall", .floorLufs = -45.0, .rangeLu = 30.0};
    for (int reading = 0; reading < 40; ++reading)
        room.readings.push_back(reading % 2 == 0 ? 70 : 90);
    return RowCurves{7, u"Ana", 70, {keyboard, room}, false};
}

// How many pixels of a row of the image have exactly this colour.
int pixelsInRow(const QImage& image, int y, QRgb colour, int fromX = 0, int toX = -1)
{
    if (toX < 0)
        toX = image.width();
    int count = 0;
    for (int x = fromX; x < toX; ++x)
        count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// The rows of the plot's image around a level's line.
bool lineNear(const QImage& image, int level, QRgb colour, int minimum, int fromX = 0,
              int toX = -1)
{
    const QRectF area = curveplot::plotArea(image.size());
    const int y = int(std::lround(levelY(level, area)));
    for (int row = y - 2; row <= y + 2; ++row) {
        if (row >= 0 && row < image.height() && pixelsInRow(image, row, colour, fromX, toX) >= minimum)
            return true;
    }
    return false;
}

class TurnDetailsDialogTest : public UiTest {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        UiTest::TearDown();
    }
};

TEST_F(TurnDetailsDialogTest, DrawsBothTurnsAndMarksTheChosenOnesLevel)
{
    TurnDetailsDialog dialog(measuredAgain());
    dialog.resize(640, 520);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(dialog.turnBox()->count(), 2);
    EXPECT_EQ(dialog.turnBox()->currentIndex(), 1) << "the latest turn first";

    using namespace curveplot;
    QImage plot = dialog.plot().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int width = plot.width();
    // The room's turn: the line at 70 across the plot, the curve reaching 90, the keyboard's
    // turn in grey over the first half only (2 s of 4), and no line at 57.
    EXPECT_TRUE(lineNear(plot, 70, kHeld, width / 2));
    EXPECT_FALSE(lineNear(plot, 57, kHeld, 1));
    EXPECT_FALSE(lineNear(plot, 30, kHeld, 1));
    EXPECT_TRUE(lineNear(plot, 90, kCurve, 1));
    int greyLeft = 0;
    int greyRight = 0;
    for (int y = 0; y < plot.height(); ++y) {
        greyLeft += pixelsInRow(plot, y, kOtherCurve, 0, width / 2);
        greyRight += pixelsInRow(plot, y, kOtherCurve, width / 2 + kMargin, width);
    }
    EXPECT_GT(greyLeft, width / 4);
    EXPECT_EQ(greyRight, 0);
    EXPECT_EQ(dialog.figures(),
              (QStringList{"70", "70", "4.0 s", "90 after 0.1 s", "Microphone: Hall",
                           "Floor -45.0 LUFS, range 30 LU"}));

    // The keyboard's turn chosen: its line at its highest level, the room's curve in grey.
    dialog.chooseTurn(0);
    QTest::qWait(0);
    plot = dialog.plot().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(lineNear(plot, 57, kHeld, width / 2));
    EXPECT_FALSE(lineNear(plot, 70, kHeld, 1));
    EXPECT_TRUE(lineNear(plot, 90, kOtherCurve, 1));
    EXPECT_EQ(dialog.figures(),
              (QStringList{"70", "57", "2.0 s", "57 after 1.9 s", "Keyboard",
                           "Not used (the keyboard measured)"}));
}

// A turn of two microphones, the second stopping halfway: each listed, each drawn in its
// colour, the stopped one over the first half only. The first heard just what the room did,
// and still shows.
TEST_F(TurnDetailsDialogTest, ListsEachMicrophoneAndDrawsItsCurveWhereItHeard)
{
    RowCurves row = measuredAgain();
    TurnCurve& room = row.curves[1];
    room.readings.assign(40, 30);
    room.source.microphones = {{u"Left", u"left.wav", -45.0}, {u"Balcony", u"", -50.0}};
    room.microphoneReadings = {std::vector<std::uint8_t>(40, 30), std::vector<std::uint8_t>(40, curve::kNotHeard)};
    std::fill_n(room.microphoneReadings[1].begin(), 20, std::uint8_t(50));
    TurnDetailsDialog dialog(row);
    dialog.resize(640, 520);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.microphoneTexts(),
              (QStringList{"Left: left.wav, floor -45.0 LUFS",
                           "Balcony: the system's default, floor -50.0 LUFS; stopped after 2.0 s"}));
    const QImage plot = dialog.plot().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int width = plot.width();
    using namespace curveplot;
    EXPECT_TRUE(lineNear(plot, 30, microphoneColour(0), width * 3 / 4));
    EXPECT_TRUE(lineNear(plot, 50, microphoneColour(1), width / 3, 0, width / 2));
    EXPECT_FALSE(lineNear(plot, 50, microphoneColour(1), 1, width / 2 + kMargin, width));
    dialog.chooseTurn(0);
    EXPECT_TRUE(dialog.microphoneTexts().isEmpty()) << "the keyboard's turn had none";
}

TEST_F(TurnDetailsDialogTest, ATurnUnderWayGrowsAndKeepsTheChoice)
{
    RowCurves row = measuredAgain();
    row.underWay = true;
    TurnDetailsDialog dialog(row);
    EXPECT_EQ(dialog.turnBox()->itemText(1), QStringLiteral("Turn 2 of 2, under way"));
    dialog.chooseTurn(0);
    row.curves[1].readings.push_back(100);
    dialog.showRow(row);
    EXPECT_EQ(dialog.turnBox()->currentIndex(), 0);
    dialog.chooseTurn(1);
    EXPECT_EQ(dialog.figures().at(2), QStringLiteral("4.1 s"));
    EXPECT_EQ(dialog.figures().at(3), QStringLiteral("100 after 4.0 s"));
    // One turn alone has nothing to choose.
    TurnDetailsDialog single(RowCurves{1, u"Ben", 20, {row.curves[0]}, false});
    EXPECT_FALSE(single.turnBox()->isEnabled());
}

// From the main window: Ctrl+D is greyed until the row has a curve, then opens the dialog of
// the contestant measured last.
TEST_F(TurnDetailsDialogTest, TheCommandOpensTheDetailsOfTheLastContestant)
{
    const std::unique_ptr<Show> show = makeTestShow();
    QPointer<MainWindow> frame = new MainWindow(*show, testSettings());
    show->followSettings();  // as the application does once the window listens
    frame->restorePlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QAction* details = frame->commands().action(Command::TurnDetails);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_FALSE(details->isEnabled());

    MeterSession& session = show->session();
    session.typeText(u"Cleo");
    session.pressKey(MeterCore::kEnter);
    session.setSpaceDown(SpaceSource::Remote, true);
    for (int tick = 0; tick < 40; ++tick)
        session.tickOnce();
    session.setSpaceDown(SpaceSource::Remote, false);
    EXPECT_TRUE(details->isEnabled()) << "the turn under way";
    session.pressKey(MeterCore::kEnter);
    session.pressKey(MeterCore::kEnter);
    ASSERT_EQ(session.meter().state(), MeterState::NameEntry);
    EXPECT_TRUE(details->isEnabled());

    QString title;
    QString name;
    answerNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        name = static_cast<TurnDetailsDialog*>(dialog)->figures().at(4);
        static_cast<QDialog*>(dialog)->reject();
    });
    details->trigger();
    EXPECT_EQ(title, QStringLiteral("Turn Details"));
    EXPECT_EQ(name, QStringLiteral("Keyboard"));
    delete frame.data();
}

}  // namespace
