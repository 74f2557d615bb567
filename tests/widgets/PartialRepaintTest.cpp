// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The view asks for a repaint of only the parts that change. A picture painted only inside
// those parts, as the screen is, must equal a paint of the whole display after every step.
#include "core/settings/DisplaySettings.h"
#include "widgets/MeterView.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <memory>
#include <optional>
#include <string>
#include <utility>

using namespace ovatron::test;

namespace {

using ovatron::test::TestMeterView;

// Never drawn by the view: a pixel of this colour was left unpainted.
constexpr QRgb kUnpainted = 0xFFFF00FF;

qint64 areaOf(const QRegion& region)
{
    qint64 area = 0;
    for (const QRect& rect : region)
        area += qint64{rect.width()} * rect.height();
    return area;
}

// A picture of the view that is painted only inside the regions the view asks to repaint.
class FollowingScreen {
public:
    explicit FollowingScreen(MeterView& view) : m_view(view)
    {
        m_connection = QObject::connect(&view, &MeterView::repaintRequested,
                                        [this](const QRegion& region) { paint(region); });
    }
    ~FollowingScreen() { QObject::disconnect(m_connection); }

    // What the view asked for since the last call.
    QRegion takeRequested() { return std::exchange(m_requested, QRegion()); }

    // Shows the view's changes and compares the picture with a paint of the whole display.
    void expectWholeAfter(const std::string& step)
    {
        m_view.showChanges();
        const QImage whole = m_view.renderToImage(m_view.size());
        ASSERT_EQ(m_image.size(), whole.size()) << step;
        int differing = 0;
        QRect bounds;
        for (int y = 0; y < whole.height(); ++y) {
            const auto* shown = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
            const auto* expected = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
            for (int x = 0; x < whole.width(); ++x) {
                if (shown[x] != expected[x]) {
                    ++differing;
                    bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_EQ(differing, 0) << step << ": pixels differ in " << bounds.x() << "," << bounds.y()
                                << " " << bounds.width() << "x" << bounds.height();
    }

private:
    void paint(const QRegion& region)
    {
        if (m_image.size() != m_view.size()) {
            m_image = QImage(m_view.size(), QImage::Format_RGB32);
            m_image.fill(kUnpainted);
        }
        QPainter painter(&m_image);
        m_view.drawView(painter, m_image.rect(), region);
        m_requested += region;
    }

    MeterView& m_view;
    QImage m_image;
    QRegion m_requested;
    QMetaObject::Connection m_connection;
};

class PartialRepaint : public UiTest {
protected:
    void tick(bool spaceDown) { view().meter().tick(TickInput{true, spaceDown}); }

    // Ticks until the level is `level`, comparing after every tick.
    void moveLevelTo(int level, const std::string& what)
    {
        // The first difference is reported; the steps after it would repeat it.
        for (int i = 0; view().meter().level() != level && !HasFailure(); ++i) {
            ASSERT_LT(i, kTickLimit) << what << ": the level never reached " << level;
            tick(view().meter().level() < level);
            screen().expectWholeAfter(what + " at level " + std::to_string(view().meter().level()));
        }
    }

    // What the view asks for over these ticks, each shown as the timer shows it.
    QRegion requestedOverTicks(int ticks, bool spaceDown)
    {
        screen().takeRequested();
        for (int i = 0; i < ticks; ++i) {
            tick(spaceDown);
            view().showChanges();
        }
        return screen().takeRequested();
    }

    void key(int code, const std::string& what)
    {
        view().meter().onChar(code);
        screen().expectWholeAfter(what);
    }

    void typeName(const std::string& name)
    {
        for (unsigned char character : name)
            key(character, "typing " + name);
    }

    TestMeterView& start(const QSize& size)
    {
        m_view = std::make_unique<TestMeterView>(testSettings());
        m_view->resize(size);
        m_screen = std::make_unique<FollowingScreen>(*m_view);
        return *m_view;
    }

    void TearDown() override
    {
        m_screen.reset();
        m_view.reset();
        UiTest::TearDown();
    }

    TestMeterView& view() { return *m_view; }
    FollowingScreen& screen() { return *m_screen; }

private:
    std::unique_ptr<TestMeterView> m_view;
    std::unique_ptr<FollowingScreen> m_screen;
};

}  // namespace

TEST_F(PartialRepaint, ATurnWithTheTableFromTypingToTheSummary)
{
    storeSetting(kShowSummaryScreenKey, 1);
    TestMeterView& meterView = start(QSize(800, 500));
    addFinishedEntry(meterView, "Anna", 30);
    addFinishedEntry(meterView, "Ben", 30);
    addFinishedEntry(meterView, "Cleo", 60);
    screen().expectWholeAfter("the table of three");

    typeName("Dora");
    key(MeterCore::kBackspace, "Backspace");
    typeName("a");
    key(MeterCore::kEnter, "Enter");
    // Rising: Dora ties with Anna and Ben at 30 and passes both at 31, then Cleo.
    moveLevelTo(100, "rising");
    ASSERT_EQ(meterView.meter().currentIndex(), 0);
    EXPECT_TRUE(requestedOverTicks(5, true).isEmpty()) << "the level held at 100 repaints";
    moveLevelTo(0, "falling");
    EXPECT_TRUE(requestedOverTicks(5, false).isEmpty()) << "the level resting at 0 repaints";

    key(MeterCore::kEnter, "the summary screen");
    ASSERT_EQ(meterView.meter().state(), MeterState::Summary);
    key(MeterCore::kEnter, "back to the name entry");

    // The selection's frame comes, moves up and down, and goes with Esc.
    for (const int step : {-1, -1, 1}) {
        meterView.meter().moveSelection(step);
        screen().expectWholeAfter("moving the selection");
    }
    key(MeterCore::kEscape, "Esc clearing the selection");

    // A second turn whose table is cleared while it rises.
    typeName("Eve");
    key(MeterCore::kEnter, "Enter");
    moveLevelTo(40, "rising");
    meterView.clearLeagueTable();
    screen().expectWholeAfter("clearing the table");
    moveLevelTo(45, "rising alone");
    key(MeterCore::kEscape, "Esc");
}

TEST_F(PartialRepaint, WithoutTheTableTheCentredMeterRisesAndFalls)
{
    TestMeterView& meterView = start(QSize(700, 450));
    meterView.toggleLeagueTable();
    ASSERT_FALSE(meterView.meter().useLeagueTable());
    screen().expectWholeAfter("the table off");
    moveLevelTo(100, "rising");
    moveLevelTo(10, "falling");
    meterView.toggleLeagueTable();
    screen().expectWholeAfter("the table on again");
}

TEST_F(PartialRepaint, FontBackgroundAndSizeChangesRepaintTheWholeView)
{
    TestMeterView& meterView = start(QSize(640, 400));
    addFinishedEntry(meterView, "Anna", 20);
    typeName("Bo");
    key(MeterCore::kEnter, "Enter");
    moveLevelTo(30, "rising");

    FontChoice bigger;
    bigger.face = QStringLiteral("DejaVu Serif");
    bigger.sizeTenths = 240;
    bigger.weight = 700;
    bigger.color = QColor(120, 0, 0);
    meterView.setDialogs(ViewDialogs{[&](QWidget*, const FontChoice&) { return std::optional(bigger); },
                                     [](QWidget*, const QColor&) { return std::optional(QColor(200, 230, 255)); },
                                     {}, {}});
    const QRegion whole(QRect(0, 0, 640, 400));
    screen().takeRequested();
    meterView.editFont();
    EXPECT_EQ(screen().takeRequested(), whole) << "a font change";
    screen().expectWholeAfter("the bigger font");
    moveLevelTo(50, "rising in the bigger font");

    meterView.chooseBackgroundColor();
    EXPECT_EQ(screen().takeRequested(), whole) << "a background change";
    screen().expectWholeAfter("the pale blue background");
    moveLevelTo(20, "falling on the pale blue background");

    meterView.resize(1920, 1080);
    screen().expectWholeAfter("full-HD size");
    moveLevelTo(30, "rising at full-HD size");
}

TEST_F(PartialRepaint, AFullScreenMeterBesideAHundredThousandEntriesRedrawsOnlyTheMarkers)
{
    TestMeterView& meterView = start(QSize(3840, 2160));
    for (int i = 0; i < 100000; ++i) {
        typeIntoMeter(meterView, "Contestant " + std::to_string(i));
        meterView.meter().onChar(MeterCore::kEnter);
        meterView.meter().onChar(MeterCore::kEscape);
    }
    typeName("Zoe");
    key(MeterCore::kEnter, "Enter");
    moveLevelTo(15, "rising past every entry");
    ASSERT_EQ(meterView.meter().currentIndex(), 0);

    // Beside the table the level marker stands at the left edge, 163 x 76 pixels; a falling
    // level asks for its old and its new place and for nothing else.
    const QSize marker(meterView.markerSizes().level.width, meterView.markerSizes().level.height);
    for (int i = 0; i < 4; ++i) {
        screen().takeRequested();
        tick(false);
        screen().expectWholeAfter("falling at 3840 x 2160");
        const QRegion requested = screen().takeRequested();
        EXPECT_LE(requested.boundingRect().right(), marker.width() - 1);
        EXPECT_LE(areaOf(requested), 2 * qint64{marker.width()} * marker.height());
        EXPECT_GE(areaOf(requested), qint64{marker.width()} * marker.height());
    }
}

TEST_F(PartialRepaint, AnEqualTurnCountsDownAndEndsTwelveSecondsAfterEnterWhenApplauseStartsAtTwo)
{
    storeSetting(kShowSummaryScreenKey, 1);
    storeSetting("TurnSeconds", 10);
    TestMeterView& meterView = start(QSize(800, 500));
    typeName("Ada");
    key(MeterCore::kEnter, "Enter");
    int ticks = 0;
    // Two seconds of silence open no window: the turn runs as long as nobody applauds.
    for (; ticks < 2 * MeterCore::kTicksPerSecond; ++ticks)
        tick(false);
    EXPECT_FALSE(meterView.meter().countdownSeconds());
    std::optional<int> shown;
    while (meterView.meter().state() == MeterState::Measuring && !HasFailure()) {
        ASSERT_LT(ticks, 20 * MeterCore::kTicksPerSecond) << "the turn never ended";
        screen().takeRequested();
        const bool held = meterView.meter().level() == 100;
        tick(true);
        ++ticks;
        screen().expectWholeAfter("tick " + std::to_string(ticks));
        const std::optional<int> now = meterView.meter().countdownSeconds();
        // Held at 100, only a new whole second repaints.
        if (held && now == shown) {
            EXPECT_TRUE(screen().takeRequested().isEmpty()) << "tick " << ticks;
        }
        shown = now;
    }
    EXPECT_NEAR(ticks, 12 * MeterCore::kTicksPerSecond, MeterCore::kTicksPerSecond / 10);
    EXPECT_EQ(meterView.meter().state(), MeterState::Summary);
    EXPECT_EQ(meterView.meter().leagueTable().entry(0).score, 100);
}
