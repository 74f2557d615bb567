// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MeterView.h"
#include "core/settings/DisplaySettings.h"
#include "support/SettingsFileAccess.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <optional>
#include <vector>

using namespace ovatron::test;

namespace {

using ovatron::test::TestMeterView;

// Dialog answers for the view's commands, noting what each dialog was started with.
struct ScriptedDialogs {
    std::optional<FontChoice> fontAnswer;
    std::optional<std::uint32_t> colorAnswer;
    std::vector<FontChoice> fontStarts;
    std::vector<std::uint32_t> colorStarts;

    ViewDialogs dialogs()
    {
        return ViewDialogs{
            [this](QWidget*, const FontChoice& start) {
                fontStarts.push_back(start);
                return fontAnswer;
            },
            [this](QWidget*, const QColor& start) {
                colorStarts.push_back(colorRefFromColor(start));
                return colorAnswer ? std::optional<QColor>(colorFromColorRef(*colorAnswer))
                                   : std::nullopt;
            },
            {}, {}};
    }
};

FontChoice fontChoice(const char* face, int sizeTenths, int weight, bool italic, bool underline,
                      bool strikeOut, std::uint32_t color)
{
    FontChoice choice;
    choice.face = QString::fromUtf8(face);
    choice.sizeTenths = sizeTenths;
    choice.weight = weight;
    choice.italic = italic;
    choice.underline = underline;
    choice.strikeOut = strikeOut;
    choice.color = colorFromColorRef(color);
    return choice;
}

class MeterViewSettings : public UiTest {};

}  // namespace

// --- Loading ----------------------------------------------------------------------------

TEST_F(MeterViewSettings, EmptyStoreGivesTheDefaultsAndWritesNothing)
{
    TestMeterView view(testSettings());
    EXPECT_EQ(view.displayFont().font().family(), QStringLiteral("Comic Sans MS"));
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 24.0);
    EXPECT_EQ(view.displayFont().style(), 1);
    EXPECT_TRUE(view.displayFont().font().bold());
    EXPECT_EQ(colorRefFromColor(view.displayFont().color()), 0x000000u);
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0xFFFFFFu);
    EXPECT_EQ(view.meter().useLeagueTable(), 1);
    EXPECT_EQ(view.meter().showSummaryScreen(), 1);
    EXPECT_EQ(view.meter().state(), MeterState::NameEntry);
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

TEST_F(MeterViewSettings, StoredValuesAreTakenAsTheyAre)
{
    storeSetting(kUseLeagueTableKey, 0);
    storeSetting(kShowSummaryScreenKey, 0);
    storeSetting(kFontSizeKey, 105);
    storeSetting(kFontStyleKey, 6);
    storeSetting(kFontColorKey, 0x00123456);
    storeSetting(kFontNameKey, "No Such Face");
    TestMeterView view(testSettings());
    EXPECT_EQ(view.meter().state(), MeterState::Measuring);
    EXPECT_EQ(view.meter().showSummaryScreen(), 0);
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 10.5);
    EXPECT_FALSE(view.displayFont().font().bold());
    EXPECT_TRUE(view.displayFont().font().italic());
    EXPECT_TRUE(view.displayFont().font().underline());
    EXPECT_EQ(colorRefFromColor(view.displayFont().color()), 0x00123456u);
    EXPECT_EQ(view.displayFont().font().family(), QStringLiteral("No Such Face"));
}

TEST_F(MeterViewSettings, AnyNonZeroUseLeagueTableCountsAsOn)
{
    storeSetting(kUseLeagueTableKey, 5);
    TestMeterView view(testSettings());
    EXPECT_EQ(view.meter().state(), MeterState::NameEntry);
    view.toggleLeagueTable();
    EXPECT_EQ(storedInteger(kUseLeagueTableKey), 0);
}

TEST_F(MeterViewSettings, GarbledSettingsFileGivesTheDefaults)
{
    ASSERT_TRUE(writeSettingsFile(QByteArray("\xff\xfe[General\x00\nFontSize=\x01\x02\n=", 20)));
    TestMeterView view(testSettings());
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 24.0);
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0xFFFFFFu);
    EXPECT_EQ(view.meter().state(), MeterState::NameEntry);
}

TEST_F(MeterViewSettings, ZeroOrNegativeFontSizeStillPaints)
{
    storeSetting(kFontSizeKey, -40);
    TestMeterView view(testSettings());
    EXPECT_DOUBLE_EQ(view.displayFont().size(), -4.0);
    typeIntoMeter(view, "Al");
    const QImage image = view.renderToImage(QSize(200, 100));
    EXPECT_EQ(image.size(), QSize(200, 100));
}

TEST_F(MeterViewSettings, AbsurdFontSizeIsDrawnAtTheNearestSizeAndStaysStored)
{
    const struct {
        int storedTenths;
        double drawnPoints;
    } cases[] = {
        {std::numeric_limits<int>::max(), 1000.0},
        {10001, 1000.0},
        {9999, 999.9},
        {9, 1.0},
        {std::numeric_limits<int>::min(), 1.0},
    };
    for (const auto& [storedTenths, drawnPoints] : cases) {
        storeSetting(kFontSizeKey, storedTenths);
        TestMeterView view(testSettings());
        EXPECT_DOUBLE_EQ(view.displayFont().font().pointSizeF(), drawnPoints) << storedTenths;
        EXPECT_DOUBLE_EQ(view.displayFont().size(), fontPointSize(storedTenths));
        // The line of a font drawn at that size, not of an empty box.
        EXPECT_GE(displayMetrics(view).height(), drawnPoints);
        EXPECT_LT(displayMetrics(view).height(), drawnPoints * 3);
        EXPECT_EQ(storedInteger(kFontSizeKey), storedTenths);
    }
}

TEST_F(MeterViewSettings, UnwritableStoreLeavesTheCommandsWorkingInMemory)
{
    // A file where the settings folder belongs: nothing can be stored.
    QDir().mkpath(configHome());
    QFile blocker(configHome() + QStringLiteral("/Ovatron"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TestMeterView view(testSettings());
    view.toggleLeagueTable();
    EXPECT_EQ(view.meter().useLeagueTable(), 0);
    ScriptedDialogs answers;
    answers.colorAnswer = 0x00ABCDEF;
    view.setDialogs(answers.dialogs());
    view.chooseBackgroundColor();
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0x00ABCDEFu);
    EXPECT_EQ(storedInteger(kBackgroundColorKey), -12345);
    QFile::remove(configHome() + QStringLiteral("/Ovatron"));
}

// --- The font command -------------------------------------------------------------------

TEST_F(MeterViewSettings, FontDialogStartsFromTheDisplayFontCutToWholePoints)
{
    storeSetting(kFontSizeKey, 105);
    storeSetting(kFontStyleKey, 3);
    storeSetting(kFontColorKey, 0x000000FF);
    TestMeterView view(testSettings());
    ScriptedDialogs answers;
    view.setDialogs(answers.dialogs());
    view.editFont();
    ASSERT_EQ(answers.fontStarts.size(), 1u);
    const FontChoice& start = answers.fontStarts.front();
    EXPECT_EQ(start.face, QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(start.sizeTenths, 100);
    EXPECT_GT(start.weight, 400);
    EXPECT_TRUE(start.italic);
    EXPECT_FALSE(start.underline);
    EXPECT_FALSE(start.strikeOut);
    EXPECT_EQ(colorRefFromColor(start.color), 0x000000FFu);
}

TEST_F(MeterViewSettings, ConfirmedFontIsShownAndStored)
{
    TestMeterView view(testSettings());
    ScriptedDialogs answers;
    answers.fontAnswer = fontChoice("DejaVu Serif", 185, 600, true, true, true, 0x00336699);
    view.setDialogs(answers.dialogs());
    view.editFont();

    EXPECT_EQ(view.displayFont().font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 18.5);
    EXPECT_EQ(view.displayFont().style(), 1 | 2 | 4);
    EXPECT_FALSE(view.displayFont().font().strikeOut());
    EXPECT_EQ(colorRefFromColor(view.displayFont().color()), 0x00336699u);

    EXPECT_EQ(storedString(kFontNameKey), "DejaVu Serif");
    EXPECT_EQ(storedInteger(kFontSizeKey), 185);
    EXPECT_EQ(storedInteger(kFontStyleKey), 7);
    EXPECT_EQ(storedInteger(kFontColorKey), 0x00336699);
    // Nothing but the four font keys is written.
    EXPECT_EQ(storedInteger(kBackgroundColorKey), -12345);
    EXPECT_EQ(storedInteger(kUseLeagueTableKey), -12345);
}

TEST_F(MeterViewSettings, BoldBitFollowsTheChosenWeight)
{
    TestMeterView view(testSettings());
    ScriptedDialogs answers;
    view.setDialogs(answers.dialogs());
    const std::vector<std::pair<int, int>> weights{{100, 0}, {300, 0}, {400, 0}, {500, 1},
                                                   {600, 1}, {700, 1}, {900, 1}};
    for (const auto& [weight, bold] : weights) {
        answers.fontAnswer = fontChoice("DejaVu Sans", 120, weight, false, false, false, 0);
        view.editFont();
        EXPECT_EQ(storedInteger(kFontStyleKey), bold) << "weight " << weight;
        EXPECT_EQ(view.displayFont().font().bold(), bold == 1) << "weight " << weight;
    }
}

TEST_F(MeterViewSettings, CancelledFontDialogChangesNothing)
{
    TestMeterView view(testSettings());
    ScriptedDialogs answers;
    view.setDialogs(answers.dialogs());
    view.editFont();
    EXPECT_EQ(answers.fontStarts.size(), 1u);
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 24.0);
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

TEST_F(MeterViewSettings, NewFontIsUsedByTheNextPaint)
{
    TestMeterView view(testSettings());
    typeIntoMeter(view, "Zed");
    const QImage before = view.renderToImage(QSize(600, 200));
    ScriptedDialogs answers;
    answers.fontAnswer = fontChoice("DejaVu Sans", 480, 400, false, false, false, 0x000000FF);
    view.setDialogs(answers.dialogs());
    view.editFont();
    const QImage after = view.renderToImage(QSize(600, 200));
    const auto red = [](QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 100; };
    EXPECT_EQ(countPixels(before, before.rect(), red), 0);
    const QRect line = pixelBounds(after, after.rect(), red);
    ASSERT_FALSE(line.isNull());
    EXPECT_GT(line.height(), pixelBounds(before, before.rect(), isAnyInk).height());
}

TEST_F(MeterViewSettings, RealFontDialogOpensAtWholePointsAndReportsThatSize)
{
    storeSetting(kFontSizeKey, 105);
    TestMeterView view(testSettings());
    FontChoice shown;
    bool boldShown = false;
    answerNextModal([&](QWidget* dialog) {
        auto* font = qobject_cast<FontDialog*>(dialog);
        ASSERT_NE(font, nullptr);
        shown = font->choice();
        boldShown = dialog->findChild<QCheckBox*>(QStringLiteral("bold"))->isChecked();
        dialog->findChild<QCheckBox*>(QStringLiteral("strikeOut"))->setChecked(true);
        font->accept();
    });
    view.editFont();
    EXPECT_EQ(shown.sizeTenths, 100);
    EXPECT_EQ(shown.face, QStringLiteral("Comic Sans MS"));
    EXPECT_TRUE(boldShown);
    // Confirmed unchanged (strike-out aside): the size the dialog showed, the same face.
    EXPECT_EQ(storedInteger(kFontSizeKey), 100);
    EXPECT_EQ(storedString(kFontNameKey), "Comic Sans MS");
    EXPECT_EQ(storedInteger(kFontStyleKey), 1);
    EXPECT_EQ(storedInteger(kFontColorKey), 0);
    EXPECT_FALSE(view.displayFont().font().strikeOut());
}

TEST_F(MeterViewSettings, RealFontDialogReportsEveryChoice)
{
    TestMeterView view(testSettings());
    answerNextModal([](QWidget* dialog) {
        auto* font = qobject_cast<FontDialog*>(dialog);
        ASSERT_NE(font, nullptr);
        dialog->findChild<QComboBox*>(QStringLiteral("face"))->setCurrentText("DejaVu Sans Mono");
        dialog->findChild<QDoubleSpinBox*>(QStringLiteral("size"))->setValue(12.5);
        dialog->findChild<QCheckBox*>(QStringLiteral("bold"))->setChecked(false);
        dialog->findChild<QCheckBox*>(QStringLiteral("italic"))->setChecked(true);
        dialog->findChild<QCheckBox*>(QStringLiteral("underline"))->setChecked(true);
        font->setColor(colorFromColorRef(0x0000FF00));
        font->accept();
    });
    view.editFont();
    EXPECT_EQ(storedString(kFontNameKey), "DejaVu Sans Mono");
    EXPECT_EQ(storedInteger(kFontSizeKey), 125);
    EXPECT_EQ(storedInteger(kFontStyleKey), 2 | 4);
    EXPECT_EQ(storedInteger(kFontColorKey), 0x0000FF00);
}

TEST_F(MeterViewSettings, RealFontDialogCancelledWritesNothing)
{
    TestMeterView view(testSettings());
    answerNextModal([](QWidget* dialog) {
        dialog->findChild<QDoubleSpinBox*>(QStringLiteral("size"))->setValue(40.0);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    view.editFont();
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 24.0);
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

// --- The background colour --------------------------------------------------------------

TEST_F(MeterViewSettings, ChosenBackgroundColourIsShownAndStored)
{
    storeSetting(kBackgroundColorKey, 0x00102030);
    TestMeterView view(testSettings());
    ScriptedDialogs answers;
    answers.colorAnswer = 0x00FF8000;  // COLORREF: blue 255, green 128, red 0
    view.setDialogs(answers.dialogs());
    view.chooseBackgroundColor();
    ASSERT_EQ(answers.colorStarts.size(), 1u);
    EXPECT_EQ(answers.colorStarts.front(), 0x00102030u);
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0x00FF8000u);
    EXPECT_EQ(storedInteger(kBackgroundColorKey), 0x00FF8000);
    const QImage image = view.renderToImage(QSize(100, 100));
    EXPECT_EQ(image.pixelColor(99, 99), QColor(0, 128, 255));
}

TEST_F(MeterViewSettings, CancelledColourChooserChangesNothing)
{
    TestMeterView view(testSettings());
    ScriptedDialogs answers;
    view.setDialogs(answers.dialogs());
    view.chooseBackgroundColor();
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0xFFFFFFu);
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

TEST_F(MeterViewSettings, RealColourDialogStartsAtTheBackgroundColour)
{
    storeSetting(kBackgroundColorKey, 0x00204060);
    TestMeterView view(testSettings());
    QColor shown;
    answerNextModal([&](QWidget* dialog) {
        auto* colors = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colors, nullptr);
        shown = colors->currentColor();
        colors->setCurrentColor(QColor(10, 20, 30));
        colors->accept();
    });
    view.chooseBackgroundColor();
    EXPECT_EQ(shown, QColor(0x60, 0x40, 0x20));
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0x001E140Au);
    EXPECT_EQ(storedInteger(kBackgroundColorKey), 0x001E140A);
}

// --- The toggles and the menu rules -----------------------------------------------------

TEST_F(MeterViewSettings, LeagueTableToggleSwitchesStateAndStoresZeroOrOne)
{
    TestMeterView view(testSettings());
    addFinishedEntry(view, "Ann", 10);
    view.toggleLeagueTable();
    EXPECT_EQ(view.meter().state(), MeterState::Measuring);
    EXPECT_EQ(storedInteger(kUseLeagueTableKey), 0);
    EXPECT_EQ(view.meter().leagueTable().count(), 1);  // kept in memory, not shown
    view.toggleLeagueTable();
    EXPECT_EQ(view.meter().state(), MeterState::NameEntry);
    EXPECT_EQ(storedInteger(kUseLeagueTableKey), 1);
    EXPECT_EQ(view.meter().leagueTable().count(), 0);  // turning it on empties it
}

TEST_F(MeterViewSettings, SummaryToggleFlipsAndAlwaysWrites)
{
    TestMeterView view(testSettings());
    view.toggleSummaryScreen();
    EXPECT_EQ(view.meter().showSummaryScreen(), 0);
    EXPECT_EQ(storedInteger(kShowSummaryScreenKey), 0);
    view.toggleSummaryScreen();
    EXPECT_EQ(storedInteger(kShowSummaryScreenKey), 1);
}

TEST_F(MeterViewSettings, SummaryToggleWithoutTheTableKeepsAndStillWritesTheValue)
{
    storeSetting(kUseLeagueTableKey, 0);
    storeSetting(kShowSummaryScreenKey, 5);
    TestMeterView view(testSettings());
    view.toggleSummaryScreen();
    // Any value but 0 is on; the program writes on as 1.
    EXPECT_TRUE(view.meter().showSummaryScreen());
    EXPECT_EQ(storedInteger(kShowSummaryScreenKey), 1);
}

TEST_F(MeterViewSettings, ClearEmptiesTheTableAndWritesNothing)
{
    TestMeterView view(testSettings());
    addFinishedEntry(view, "Ann", 10);
    addFinishedEntry(view, "Bo", 20);
    view.clearLeagueTable();
    EXPECT_EQ(view.meter().leagueTable().count(), 0);
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}
