// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The Stage look of the audience screen, on Qt's offscreen platform.
#include "core/AppConfig.h"
#include "core/Command.h"
#include "core/settings/StageSettings.h"
#include "support/UiTestFixture.h"
#include "widgets/AudienceWindow.h"
#include "widgets/dialogs/EventDialog.h"
#include "display/EventLogo.h"
#include "display/LayoutRects.h"
#include "ViewTestSupport.h"
#include "show/EventLogoFile.h"
#include "widgets/MainWindow.h"
#include "widgets/OperatorStrip.h"
#include "display/StagePainter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTest>

namespace {

using ovatron::test::TestMeterView;
using ovatron::test::makeTestShow;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

// The highest contrast of any pixel in the area against the background's pixel: the text's,
// since antialiasing only ever lowers it.
double textContrast(const QImage& image, const QRect& area, QRgb background)
{
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, contrastRatio(image.pixel(x, y) & 0xFFFFFF, background & 0xFFFFFF));
    }
    return best;
}

// The Stage of a 1280x720 screen painted as the audience window paints it: the first frame
// whole, then each next frame only where it changed, which must give what a whole repaint gives.
class StageRepaint {
public:
    StageRepaint(MeterView& view, const StagePalette& palette, const QString& title)
        : m_fonts(stageFonts(view.displayFont().font(), stage::typeSizes(toLayoutRect(kClient)),
                             view)),
          m_look{stageFontKeys(m_fonts), palette, stageTextWidths(m_fonts), {}, title}
    {
    }

    StageFrame frameOf(const MeterCore& meter, const StageMoment& moment = {}) const
    {
        return stageFrameOf(meter, toLayoutRect(kClient), m_look, moment);
    }

    void start(const StageFrame& first)
    {
        paint(m_shown, first, kClient);
        m_before = first;
    }

    // Whether the next frame, painted where it changed, is the whole repaint's picture.
    bool partialIsWhole(const StageFrame& now)
    {
        QRegion changed;
        for (const layout::Rect& rect : changedStageRects(m_before, now))
            changed += toQRect(rect);
        paint(m_shown, now, changed);
        QImage whole(kClient.size(), QImage::Format_RGB32);
        paint(whole, now, kClient);
        m_before = now;
        return m_shown == whole;
    }

private:
    static constexpr QRect kClient{0, 0, 1280, 720};

    void paint(QImage& image, const StageFrame& frame, const QRegion& region)
    {
        QPainter painter(&image);
        paintStage(painter, region, StageScene{frame, m_fonts, m_noLogo, m_texts});
    }

    StageFonts m_fonts;
    StageLook m_look;
    EventLogo m_noLogo;
    StageTexts m_texts;
    QImage m_shown{kClient.size(), QImage::Format_RGB32};
    StageFrame m_before;
};

class StageScreen : public UiTest {
protected:
    AudienceWindow& openWithTurns(const char* theme)
    {
        testSettings().setRegistryString(kSettingsSection, kStageThemeKey, theme, kSettingsHive);
        show = makeTestShow();
        window = new MainWindow(*show, testSettings());
        show->followSettings();  // as the application does once the window listens
        window->restorePlacement();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QApplication::setActiveWindow(window);
        window->commands().action(Command::AudienceScreen)->trigger();
        processEvents(50);
        MeterView& view = window->view();
        for (const char* name : {"Ana", "Ben", "Cleo", "Dee"}) {
            QTest::keyClicks(&view, name);
            QTest::keyClick(&view, Qt::Key_Return);
            for (int tick = 0; tick < 20; ++tick)
                show->session().meter().tick(TickInput{true, true});
            view.showChanges();
            QTest::keyClick(&view, Qt::Key_Return);
            QTest::keyClick(&view, Qt::Key_Return);
        }
        processEvents(50);
        auto* audience = const_cast<AudienceWindow*>(window->audienceWindow());
        audience->resize(1280, 720);
        processEvents(50);
        return *audience;
    }

    void TearDown() override
    {
        delete window.data();
        UiTest::TearDown();
    }

    std::unique_ptr<Show> show;  // outlives the window
    QPointer<MainWindow> window;
};

TEST_F(StageScreen, TextReadsAtSevenToOneInBothThemesMeasuredOnTheDrawnPixels)
{
    for (const char* theme : {"Dark", "Light"}) {
        AudienceWindow& audience = openWithTurns(theme);
        const QImage image = audience.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = image.pixel(2, image.height() - 2);
        // The table's rows at the right, the score column and names.
        const QRect rows(image.width() / 2, image.height() / 6, image.width() / 2 - 2,
                         image.height() / 2);
        EXPECT_GE(textContrast(image, rows, background), kStageContrast) << theme;
        EXPECT_EQ(background & 0xFFFFFF, theme == std::string("Dark") ? 0x10131Cu : 0xFFFFFFu);
        delete window.data();
    }
}

TEST_F(StageScreen, APartialRepaintAfterEveryStepIsTheWholeRepaint)
{
    TestMeterView view(testSettings());
    StageRepaint repaint(view, stagePalette(StageTheme::Dark, 0, 0), QStringLiteral("Spring Show"));
    MeterCore& meter = view.meter();
    repaint.start(repaint.frameOf(meter));
    for (int step = 0; step < 120; ++step) {
        if (step % 30 == 0) {
            meter.onChar(MeterCore::kEnter);  // the next turn, or its end
            meter.onText("Contestant with a rather long name for the row");
            meter.onChar(MeterCore::kEnter);
        }
        meter.tick(TickInput{true, step % 30 < 20});
        StageMoment moment;
        moment.newLeader = step % 7 == 0;
        moment.countdown = step / 10;
        ASSERT_TRUE(repaint.partialIsWhole(repaint.frameOf(meter, moment))) << "step " << step;
    }
}

// Hidden rows, a glide, the pair and the confetti: after each step the parts repainted make
// the picture a whole repaint makes.
TEST_F(StageScreen, HiddenRowsAGlideThePairAndTheConfettiRepaintOnlyWhatChanged)
{
    TestMeterView view(testSettings());
    StageRepaint repaint(view, stagePalette(StageTheme::Light, 0, 0xFFFFFF), QStringLiteral("Gala"));
    MeterCore& meter = view.meter();
    for (const char* name : {"Ana", "Ben", "Cleo", "Dee", "Eve", "Fay"}) {
        meter.onText(name);
        meter.onChar(MeterCore::kEnter);
        for (int tick = 0; tick < 10; ++tick)
            meter.tick(TickInput{true, true});
        meter.onChar(MeterCore::kEnter);
        meter.onChar(MeterCore::kEnter);
    }
    meter.onText("Zed");
    meter.onChar(MeterCore::kEnter);
    const std::int64_t zed = meter.leagueTable().entry(meter.currentIndex()).order;
    std::vector<StageMoment> moments;
    for (int tick = 0; tick < 12; ++tick) {  // Zed's hidden turn
        StageMoment hidden;
        hidden.reveal.hidden = {zed};
        moments.push_back(hidden);
    }
    for (int progress = 0; progress <= stage::kGlideSteps; progress += 100) {  // shown, gliding
        StageMoment glide;
        glide.glideFrom = 6;
        glide.glideProgress = progress;
        moments.push_back(glide);
    }
    StageMoment pair;
    pair.reveal = ScoreReveal{{0}, {0, zed}};
    moments.push_back(pair);
    for (int elapsed = 0; elapsed <= stage::kConfettiMilliseconds; elapsed += 400) {
        StageMoment confetti;
        confetti.winners = true;
        confetti.confettiMilliseconds = elapsed;
        moments.push_back(confetti);
    }
    repaint.start(repaint.frameOf(meter));
    int glidingFrames = 0;
    for (std::size_t step = 0; step < moments.size(); ++step) {
        if (step < 12)
            meter.tick(TickInput{true, true});
        const StageFrame now = repaint.frameOf(meter, moments[step]);
        glidingFrames += now.glide ? 1 : 0;
        ASSERT_TRUE(repaint.partialIsWhole(now)) << "step " << step;
    }
    EXPECT_GT(glidingFrames, 5);  // Zed overtook others, and glid
}

// Hide Scores and Reveal from the menu: each press changes the audience's picture, the last
// brings the podium; the operator's own display never changed for it.
TEST_F(StageScreen, HideScoresAndRevealFromTheMenu)
{
    testSettings().setRegistryInteger(kSettingsSection, "HideScores", 1, kSettingsHive);
    AudienceWindow& audience = openWithTurns("Dark");
    QAction* hide = window->commands().action(Command::HideScores);
    QAction* reveal = window->commands().action(Command::Reveal);
    EXPECT_TRUE(hide->isChecked());
    EXPECT_TRUE(reveal->isEnabled());
    const QImage operatorView = window->view().grab().toImage();
    QImage before = audience.grab().toImage();
    for (int press = 0; press < 4; ++press) {
        reveal->trigger();
        processEvents(20);
        const QImage after = audience.grab().toImage();
        EXPECT_NE(after, before) << "press " << press;
        before = after;
    }
    EXPECT_TRUE(audience.winnersShowing());
    EXPECT_FALSE(reveal->isEnabled());
    EXPECT_EQ(window->view().grab().toImage(), operatorView);
    QTest::keyClick(&window->view(), Qt::Key_Escape);
    processEvents(20);
    EXPECT_FALSE(audience.winnersShowing());
}

TEST_F(StageScreen, ShowWinnersAndEscEndIt)
{
    AudienceWindow& audience = openWithTurns("Dark");
    const QImage table = audience.grab().toImage();
    QAction* winners = window->commands().action(Command::ShowWinners);
    winners->trigger();
    processEvents(20);
    EXPECT_TRUE(audience.winnersShowing());
    EXPECT_NE(audience.grab().toImage(), table);
    const auto* strip = window->findChild<OperatorStrip*>();
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->text().startsWith(QStringLiteral("The winners are showing")));
    // Esc in the operator's window ends the winners and leaves the meter as it was.
    const MeterState state = window->view().meter().state();
    QTest::keyClick(&window->view(), Qt::Key_Escape);
    processEvents(20);
    EXPECT_FALSE(audience.winnersShowing());
    EXPECT_EQ(window->view().meter().state(), state);
}

TEST_F(StageScreen, AMissingUnreadableOrHugeLogoShowsNoneAndTellsWhyOnce)
{
    AudienceWindow& audience = openWithTurns("Dark");
    const QString folder = QDir::tempPath() + QStringLiteral("/ovatron-logo-test");
    QDir().mkpath(folder);
    const QString hugePath = folder + QStringLiteral("/huge.png");
    // A PNG header that claims 20000 x 20000 pixels: refused before it is decoded.
    QFile file(hugePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // libpng reads the chunks up to the first IDAT before it tells the size.
    auto chunk = [](const QByteArray& typeAndData) {
        quint32 crc = 0xFFFFFFFFu;  // PNG's CRC-32 of the chunk's type and data
        for (const char byte : typeAndData) {
            crc ^= static_cast<quint8>(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        crc = ~crc;
        const qsizetype length = typeAndData.size() - 4;
        const char head[] = {0, 0, 0, char(length)};
        const char tail[] = {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
        return QByteArray(head, 4) + typeAndData + QByteArray(tail, 4);
    };
    file.write(QByteArrayLiteral("\x89PNG\r\n\x1a\n") +
               chunk(QByteArrayLiteral("IHDR\0\0N \0\0N \x08\x02\0\0\0")) +
               chunk(QByteArrayLiteral("IDAT\x78\x9c")));
    file.close();
    const QString goodPath = folder + QStringLiteral("/good.png");
    QImage good(40, 20, QImage::Format_RGB32);
    good.fill(Qt::red);
    ASSERT_TRUE(good.save(goodPath));
    StageSettings settings;
    EXPECT_FALSE(audience.setStage(settings, folder + QStringLiteral("/gone.png")).isEmpty());
    const QString hugeProblem = audience.setStage(settings, hugePath);
    EXPECT_TRUE(hugeProblem.contains(QStringLiteral("too large"))) << hugeProblem.toStdString();
    EXPECT_TRUE(audience.setStage(settings, goodPath).isEmpty());
    // The copy keeps the logo when the original goes, and the setting names the copy.
    ASSERT_TRUE(window->setEvent(QStringLiteral("Fête"), goodPath));
    QFile::remove(goodPath);
    const StageSettings stored = loadStageSettings(testSettings());
    EXPECT_EQ(stored.eventTitle, brio::BRString(u"Fête"));
    EXPECT_EQ(stored.eventLogo, brio::BRString("event-logo.png"));
    EventLogo copy;
    EXPECT_TRUE(copy.load(eventLogoPath(QStringLiteral("event-logo.png"))).isEmpty());
    EXPECT_EQ(copy.size(), QSize(40, 20));
    QDir(folder).removeRecursively();
}

}  // namespace

namespace {

TEST(EventLogoSvg, IsDrawnAtTheFittedSizeAndABrokenOneIsRefused)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/ovatron-svg-logo-test");
    QDir().mkpath(folder);
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    };
    const QString good = write("good.svg", QByteArrayLiteral(
        "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='10'>"
        "<rect width='30' height='10' fill='#ff0000'/></svg>"));
    const QString broken = write("broken.svg", QByteArrayLiteral("<svg xmlns='http://www.w3.org/2000/svg'"));
    EventLogo logo;
    ASSERT_TRUE(logo.load(good).isEmpty());
    EXPECT_EQ(logo.size(), QSize(30, 10));
    // Drawn anew, crisp, at the size and density asked for.
    const QImage fitted = logo.picture(QSize(60, 60), 2.0);
    EXPECT_EQ(fitted.size(), QSize(120, 40));
    EXPECT_EQ(fitted.pixelColor(60, 20), QColor(Qt::red));
    EXPECT_TRUE(logo.load(broken).contains(QStringLiteral("readable")));
    EXPECT_TRUE(logo.isNull());
    QDir(folder).removeRecursively();
}

}  // namespace
