// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MeterView.h"
#include "brio/BRStringQt.h"
#include "core/settings/DisplaySettings.h"
#include "core/MeterLayout.h"
#include "display/ScaledPicture.h"
#include "display/OffscreenImage.h"
#include "support/SettingsFileAccess.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"

#include <QImage>

#include <vector>

using namespace ovatron::test;

namespace {

using ovatron::test::TestMeterView;

const QSize kViewSize(1000, 600);
// Columns of the marker pictures that cross the arrow heads where they are tallest.
constexpr int kLevelHeadX = 110;
constexpr int kPeakHeadX = 52;

layout::Rect viewRect(const QSize& size)
{
    return layout::Rect{0, 0, size.width(), size.height()};
}

QRect toQRect(const layout::Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

// Where the paint puts the meter of this view, predicted by the layout functions.
struct MeterPlaces {
    layout::Rect scale;
    layout::Rect levelMarker;
    layout::Rect peakMarker;
};

MeterPlaces predictMeter(const MeterView& view, const QSize& size)
{
    const layout::Rect client = viewRect(size);
    const bool table = view.meter().useLeagueTable() != 0;
    const layout::MarkerSizes& markers = view.markerSizes();
    const int origin = layout::meterOrigin(client, table, markers);
    const int textHeight = displayMetrics(view).height();
    MeterPlaces places;
    places.scale = layout::scaleRect(client, origin, markers, table, textHeight);
    places.levelMarker = layout::levelMarkerRect(client, places.scale, origin, markers.level,
                                                 view.meter().level());
    places.peakMarker =
        layout::peakMarkerRect(client, places.scale, markers.peak, view.meter().peak());
    return places;
}

// A one-pixel-wide column through a marker, over the whole height of the view.
QRect columnAt(int x, const QSize& size)
{
    return QRect(x, 0, 1, size.height());
}

void riseTo(TestMeterView& view, int peak)
{
    for (int tick = 0; view.meter().peak() < peak; ++tick) {
        ASSERT_LT(tick, ovatron::test::kTickLimit) << "the peak never reached " << peak;
        view.meter().tick(TickInput{true, true});
    }
}

void fall(TestMeterView& view, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        view.meter().tick(TickInput{true, false});
}

class MeterViewRender : public UiTest {};

}  // namespace

TEST_F(MeterViewRender, PicturesHaveTheirStoredSizes)
{
    TestMeterView view(testSettings());
    EXPECT_EQ(view.markerSizes().level, (layout::Size{163, 76}));
    EXPECT_EQ(view.markerSizes().peak, (layout::Size{163, 76}));
}

TEST_F(MeterViewRender, RenderHasTheRequestedSizeAndCoversItWithTheBackground)
{
    TestMeterView view(testSettings());
    const QImage image = view.renderToImage(QSize(321, 123));
    ASSERT_EQ(image.size(), QSize(321, 123));
    // NameEntry with an empty table: the name line at the top, white everywhere below it.
    const int lineHeight = displayMetrics(view).height();
    EXPECT_EQ(countPixels(image, QRect(0, lineHeight, 321, 123 - lineHeight), isAnyInk), 0);
}

TEST_F(MeterViewRender, EmptyOrNegativeSizeRendersNothing)
{
    TestMeterView view(testSettings());
    EXPECT_TRUE(view.renderToImage(QSize(0, 0)).isNull());
    EXPECT_TRUE(view.renderToImage(QSize(-5, 40)).isNull());
}

TEST_F(MeterViewRender, WithoutTheTableTheMeterIsCentredAndTheMarkersFollowLevelAndPeak)
{
    storeSetting(kUseLeagueTableKey, 0);
    TestMeterView view(testSettings());
    ASSERT_EQ(view.meter().state(), MeterState::Measuring);
    riseTo(view, 51);  // 49 + 2
    fall(view, 1);
    ASSERT_EQ(view.meter().level(), 50);
    ASSERT_EQ(view.meter().peak(), 51);

    const MeterPlaces places = predictMeter(view, kViewSize);
    // The numbers that the layout promises for a 600-pixel-high, 1000-pixel-wide view.
    EXPECT_EQ(places.levelMarker, (layout::Rect{237, 262, 400, 338}));
    EXPECT_EQ(places.scale, (layout::Rect{400, 38, 600, 562}));

    const QImage image = view.renderToImage(kViewSize);
    // Through the arrow heads near their base: the level arrow points right, the peak
    // arrow left.
    const QRect levelColumn = columnAt(places.levelMarker.left + kLevelHeadX, kViewSize);
    const QRect blue = pixelBounds(image, levelColumn, isMarkerBlue);
    ASSERT_FALSE(blue.isNull());
    EXPECT_GE(blue.top(), places.levelMarker.top);
    EXPECT_LT(blue.bottom(), places.levelMarker.bottom);
    EXPECT_GT(blue.height(), 40);

    const QRect peakColumn = columnAt(places.peakMarker.left + kPeakHeadX, kViewSize);
    const QRect green = pixelBounds(image, peakColumn, isMarkerGreen);
    ASSERT_FALSE(green.isNull());
    EXPECT_GE(green.top(), places.peakMarker.top);
    EXPECT_LT(green.bottom(), places.peakMarker.bottom);
    EXPECT_GT(green.height(), 40);
    EXPECT_EQ(countPixels(image, levelColumn, isMarkerGreen), 0);

    // The scale is red at its top and pale at its bottom; nothing is left or right of the group.
    const QRgb top = image.pixel(500, places.scale.top + 1);
    EXPECT_GT(qRed(top), 180);
    EXPECT_LT(qBlue(top), 90);
    EXPECT_GT(qBlue(image.pixel(500, places.scale.bottom - 2)), 200);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 237, 600), isAnyInk), 0);
    EXPECT_EQ(countPixels(image, QRect(763, 0, 237, 600), isAnyInk), 0);
}

TEST_F(MeterViewRender, MarkerMovesWithTheLevel)
{
    storeSetting(kUseLeagueTableKey, 0);
    TestMeterView view(testSettings());
    const QImage atZero = view.renderToImage(kViewSize);
    riseTo(view, 100);
    const QImage atTop = view.renderToImage(kViewSize);
    const MeterPlaces places = predictMeter(view, kViewSize);
    const QRect column = columnAt(places.levelMarker.left + kLevelHeadX, kViewSize);
    // At 0 the arrow's middle lies on the scale's bottom, at 100 on its top.
    const QRect low = pixelBounds(atZero, column, isMarkerBlue);
    const QRect high = pixelBounds(atTop, column, isMarkerBlue);
    ASSERT_FALSE(low.isNull());
    ASSERT_FALSE(high.isNull());
    EXPECT_NEAR(low.center().y(), places.scale.bottom, 3);
    EXPECT_NEAR(high.center().y(), places.scale.top, 3);
}

TEST_F(MeterViewRender, OnAnyBackgroundTheArrowsHaveNoBoxAroundThem)
{
    storeSetting(kUseLeagueTableKey, 0);
    for (const QColor background : {QColor(0, 0, 0), QColor(128, 128, 128), QColor(40, 0, 90)}) {
        storeSetting(kBackgroundColorKey, static_cast<int>(colorRefFromColor(background)));
        TestMeterView view(testSettings());
        riseTo(view, 51);
        const QImage image = view.renderToImage(kViewSize);
        const MeterPlaces places = predictMeter(view, kViewSize);
        // The corners of the markers' rectangles lie outside the arrows.
        for (const layout::Rect& marker : {places.levelMarker, places.peakMarker}) {
            const QRect box = toQRect(marker);
            for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(),
                                        box.bottomRight()})
                EXPECT_EQ(image.pixelColor(corner), background)
                    << background.name().toStdString() << " at " << corner.x() << "," << corner.y();
        }
        // The heads keep their colours.
        const int levelHead = places.levelMarker.left + kLevelHeadX;
        const int peakHead = places.peakMarker.left + kPeakHeadX;
        EXPECT_GT(countPixels(image, columnAt(levelHead, kViewSize), isMarkerBlue), 40);
        EXPECT_GT(countPixels(image, columnAt(peakHead, kViewSize), isMarkerGreen), 40);
    }
}

TEST_F(MeterViewRender, NumbersSitOnTheirArrowsWithTheirSpaces)
{
    storeSetting(kUseLeagueTableKey, 0);
    TestMeterView view(testSettings());
    riseTo(view, 51);
    fall(view, 1);
    const QImage image = view.renderToImage(kViewSize);
    const MeterPlaces places = predictMeter(view, kViewSize);
    const QFontMetrics metrics = displayMetrics(view);
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));

    const QRect level = toQRect(places.levelMarker);
    const QRect levelText = pixelBounds(image, level, isBlackInk);
    ASSERT_FALSE(levelText.isNull());
    // " 50": left-aligned after a leading space, centred on the arrow.
    EXPECT_GE(levelText.left(), level.left() + space / 2);
    EXPECT_LT(levelText.right(), level.left() + space + metrics.horizontalAdvance("50") + 3);
    EXPECT_NEAR(levelText.center().y(), level.center().y(), metrics.height() / 3);

    const QRect peak = toQRect(places.peakMarker);
    const QRect peakText = pixelBounds(image, peak, isBlackInk);
    ASSERT_FALSE(peakText.isNull());
    // "51 ": right-aligned before a trailing space.
    EXPECT_LE(peakText.right(), peak.right() - space / 2);
    EXPECT_GT(peakText.left(), peak.right() - space - metrics.horizontalAdvance("51") - 3);
    EXPECT_NEAR(peakText.center().y(), peak.center().y(), metrics.height() / 3);
}

TEST_F(MeterViewRender, MeasuringWithTheTableShowsTheMeterLeftAndTheCurrentRowInBlue)
{
    TestMeterView view(testSettings());
    addFinishedEntry(view, "Anna", 30);
    typeIntoMeter(view, "Bob");
    view.meter().onChar(MeterCore::kEnter);
    riseTo(view, 40);  // Bob passes Anna
    ASSERT_EQ(view.meter().currentIndex(), 0);

    const QImage image = view.renderToImage(kViewSize);
    const MeterPlaces places = predictMeter(view, kViewSize);
    EXPECT_EQ(places.levelMarker.left, 0);
    EXPECT_EQ(places.scale.top, 38 + displayMetrics(view).height());
    const QRect blue = pixelBounds(image, columnAt(kLevelHeadX, kViewSize), isMarkerBlue);
    ASSERT_FALSE(blue.isNull());
    EXPECT_GE(blue.top(), places.levelMarker.top);
    EXPECT_LT(blue.bottom(), places.levelMarker.bottom);

    const QFontMetrics metrics = displayMetrics(view);
    const layout::TableMetrics table{metrics.horizontalAdvance("9999 "), metrics.height()};
    const layout::Rect client = viewRect(kViewSize);
    const QRect bobScore = toQRect(layout::scoreRect(1000, table, layout::rowTop(client, table.rowHeight, 0)));
    const QRect annaScore = toQRect(layout::scoreRect(1000, table, layout::rowTop(client, table.rowHeight, 1)));
    EXPECT_GT(countPixels(image, bobScore, isHighlightInk), 10);
    EXPECT_EQ(countPixels(image, bobScore, isBlackInk), 0);
    EXPECT_GT(countPixels(image, annaScore, isBlackInk), 10);
    EXPECT_EQ(countPixels(image, annaScore, isHighlightInk), 0);

    // The names end five pixels left of the score column.
    const QRect bobRow(600, bobScore.top(), 400, bobScore.height());
    const QRect bobInk = pixelBounds(image, bobRow, isHighlightInk);
    EXPECT_LE(pixelBounds(image, QRect(600, bobRow.top(), 400 - table.scoreWidth, bobRow.height()),
                          isHighlightInk).right(),
              1000 - table.scoreWidth - 5);
    EXPECT_GE(bobInk.right(), 1000 - table.scoreWidth);
}

TEST_F(MeterViewRender, SummaryShowsTheTableAloneFromTheMiddle)
{
    TestMeterView view(testSettings());
    addFinishedEntry(view, "Anna", 30);
    typeIntoMeter(view, "Bob");
    view.meter().onChar(MeterCore::kEnter);
    riseTo(view, 20);
    view.meter().onChar(MeterCore::kEnter);
    ASSERT_EQ(view.meter().state(), MeterState::Summary);
    ASSERT_EQ(view.meter().currentIndex(), 1);

    const QImage image = view.renderToImage(kViewSize);
    const QFontMetrics metrics = displayMetrics(view);
    const int scoreWidth = metrics.horizontalAdvance("9999 ");
    const int rows = 2 * (metrics.height() + 1);
    // Scores right-aligned in 500 .. 500 + Nw, names ending at 495, nothing further right.
    const QRect scores = pixelBounds(image, QRect(500, 0, scoreWidth, rows), isAnyInk);
    ASSERT_FALSE(scores.isNull());
    EXPECT_GE(scores.left(), 500);
    EXPECT_EQ(countPixels(image, QRect(500 + scoreWidth, 0, 500, 600), isAnyInk), 0);
    const QRect names = pixelBounds(image, QRect(0, 0, 500, rows), isAnyInk);
    ASSERT_FALSE(names.isNull());
    EXPECT_LE(names.right(), 495);
    // No meter, no name line: nothing but the two rows.
    EXPECT_EQ(countPixels(image, QRect(0, rows, 1000, 600 - rows), isAnyInk), 0);
    EXPECT_EQ(countPixels(image, image.rect(), isMarkerGreen), 0);

    // Anna black in the first row, Bob (current) blue in the second.
    const QRect firstRow(0, 0, 1000, metrics.height());
    const QRect secondRow(0, metrics.height() + 1, 1000, metrics.height());
    EXPECT_EQ(countPixels(image, firstRow, isHighlightInk), 0);
    EXPECT_GT(countPixels(image, firstRow, isBlackInk), 10);
    EXPECT_GT(countPixels(image, secondRow, isHighlightInk), 10);
    EXPECT_EQ(countPixels(image, secondRow, isBlackInk), 0);
}

TEST_F(MeterViewRender, AfterAResetNoRowIsBlue)
{
    TestMeterView view(testSettings());
    addFinishedEntry(view, "Anna", 30);
    addFinishedEntry(view, "Bob", 20);
    const QImage image = view.renderToImage(kViewSize);
    EXPECT_EQ(countPixels(image, image.rect(), isHighlightInk), 0);
    EXPECT_GT(countPixels(image, QRect(500, 0, 500, 100), isBlackInk), 20);
}

TEST_F(MeterViewRender, NameLineStandsAtTheTopLeft)
{
    TestMeterView view(testSettings());
    const QFontMetrics metrics = displayMetrics(view);
    const QImage empty = view.renderToImage(kViewSize);
    // "Name: |" even with nothing typed.
    const QRect emptyLine = pixelBounds(empty, empty.rect(), isAnyInk);
    ASSERT_FALSE(emptyLine.isNull());
    EXPECT_LT(emptyLine.left(), 10);
    EXPECT_LT(emptyLine.bottom(), metrics.height());

    typeIntoMeter(view, "Bob");
    const QImage typed = view.renderToImage(kViewSize);
    const QRect typedLine = pixelBounds(typed, typed.rect(), isAnyInk);
    EXPECT_EQ(typedLine.left(), emptyLine.left());
    EXPECT_LT(typedLine.bottom(), metrics.height());
    EXPECT_NEAR(typedLine.width() - emptyLine.width(), metrics.horizontalAdvance("Bob"), 3);
}

TEST_F(MeterViewRender, AmpersandInANameIsShownAsItStands)
{
    TestMeterView view(testSettings());
    const QFontMetrics metrics = displayMetrics(view);
    typeIntoMeter(view, "AB");
    const QImage plain = view.renderToImage(kViewSize);
    view.meter().onChar(MeterCore::kBackspace);
    typeIntoMeter(view, "&B");
    const QImage ampersand = view.renderToImage(kViewSize);
    const int plainWidth = pixelBounds(plain, plain.rect(), isAnyInk).width();
    const int ampersandWidth = pixelBounds(ampersand, ampersand.rect(), isAnyInk).width();
    EXPECT_NEAR(ampersandWidth - plainWidth, metrics.horizontalAdvance("&"), 3);
}

TEST_F(MeterViewRender, ALongNameEndsInAnEllipsisBeforeTheScores)
{
    // On the summary screen, where the row has the view's left half to itself.
    TestMeterView view(testSettings());
    view.meter().preloadList().add(brio::BRString(std::u16string(200, u'W')));
    view.meter().restartWithPreloadList();
    view.meter().onChar(MeterCore::kEnter);
    ASSERT_EQ(view.meter().state(), MeterState::Summary);
    EXPECT_EQ(view.meter().leagueTable().entry(0).name.length(), 200);  // kept whole
    const QImage image = view.renderToImage(kViewSize);
    const QFontMetrics metrics = displayMetrics(view);
    const int nameRight = 500 - layout::kNameScoreGap;
    const QRect name = pixelBounds(image, QRect(0, 0, 500, metrics.height()), isAnyInk);
    ASSERT_FALSE(name.isNull());
    EXPECT_LE(name.left(), metrics.horizontalAdvance("W"));
    EXPECT_LE(name.right(), nameRight);
    // The last pixels before the gap are the dots of "…", low on the line, not a W.
    const int dots = metrics.horizontalAdvance(QChar(0x2026)) / 2;
    const QRect end = pixelBounds(image, QRect(nameRight - dots, 0, dots, metrics.height()), isAnyInk);
    ASSERT_FALSE(end.isNull());
    EXPECT_GT(end.top(), metrics.ascent() / 2);
}

namespace {

// The rectangle around the ink of area, cut out of the picture.
QImage inkOf(const QImage& image, const QRect& area)
{
    return image.copy(pixelBounds(image, area, isAnyInk));
}

// text as Qt draws it on its own in the display font, in the given direction.
QImage drawnAlone(const MeterView& view, const QString& text, Qt::LayoutDirection direction)
{
    QImage image(kViewSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(view.displayFont().font());
    painter.setLayoutDirection(direction);
    painter.drawText(QRect(QPoint(0, 0), kViewSize), Qt::AlignLeft | Qt::AlignTop, text);
    painter.end();
    return inkOf(image, image.rect());
}

// How far apart two pictures of ink are: the summed grey difference where they overlap.
long long inkDistance(const QImage& first, const QImage& second)
{
    long long distance = 0;
    for (int y = 0; y < std::min(first.height(), second.height()); ++y)
        for (int x = 0; x < std::min(first.width(), second.width()); ++x)
            distance += std::abs(qGray(first.pixel(x, y)) - qGray(second.pixel(x, y)));
    return distance;
}

}  // namespace

TEST_F(MeterViewRender, NamesInScriptsTheFontLacksShowAndEndAtTheGap)
{
    // The display font has none of these scripts: a fallback font draws them.
    const char16_t* names[] = {u"\u05E9\u05E8\u05D4 \u05DB\u05D4\u05DF!",  // Hebrew
                               u"\u0395\u03BB\u03AD\u03BD\u03B7",        // Greek
                               u"\u0416\u0430\u043D\u043D\u0430"};       // Cyrillic
    for (const char16_t* text : names) {
        TestMeterView view(testSettings());
        const QString name = QString::fromUtf16(text);
        view.meter().preloadList().add(brio::fromQString(name));
        view.meter().restartWithPreloadList();
        const QImage image = view.renderToImage(kViewSize);
        const QFontMetrics metrics = displayMetrics(view);
        const int nameRight = 1000 - metrics.horizontalAdvance("9999 ") - layout::kNameScoreGap;
        const QRect row(0, 0, nameRight, metrics.height());
        const QRect ink = pixelBounds(image, row, isHighlightInk);
        ASSERT_FALSE(ink.isNull()) << name.toStdString();
        // Measured as drawn: the name ends at the gap, within a glyph's side bearing.
        EXPECT_GE(ink.right(), nameRight - metrics.horizontalAdvance(QLatin1Char(' ')));
        EXPECT_NEAR(ink.width(), metrics.horizontalAdvance(name), metrics.height() / 2);
    }
}

TEST_F(MeterViewRender, ARightToLeftNameRunsInItsOwnDirection)
{
    // With the right-to-left paragraph direction the "!" stands at the left of the name.
    TestMeterView view(testSettings());
    const QString name = QStringLiteral("\u05E9\u05E8\u05D4!");
    addFinishedEntry(view, name.toStdString(), 10);
    const QImage image = view.renderToImage(kViewSize);
    const QFontMetrics metrics = displayMetrics(view);
    const int nameRight = 1000 - metrics.horizontalAdvance("9999 ") - layout::kNameScoreGap;
    // Right of the name line, left of the score.
    const QImage row = inkOf(image, QRect(500, 0, nameRight - 500, metrics.height()));
    // Glyphs may sit a fraction of a pixel apart: the row is near the one and far from the other.
    const long long toRightToLeft = inkDistance(row, drawnAlone(view, name, Qt::RightToLeft));
    const long long toLeftToRight =
        inkDistance(row, drawnAlone(view, QChar(0x200E) + name, Qt::LeftToRight));
    EXPECT_LT(toRightToLeft * 4, toLeftToRight) << toRightToLeft << " against " << toLeftToRight;
}

TEST_F(MeterViewRender, RowsBelowTheViewLeaveThePictureUnchanged)
{
    TestMeterView view(testSettings());
    for (int i = 0; i < 150; ++i)
        addFinishedEntry(view, "Contestant " + std::to_string(i), i % 100 + 1);
    const QSize shortView(800, 200);
    const QImage cut = view.renderToImage(shortView);
    // A view tall enough for every row, cut to the same height.
    const int allRows = 150 * (displayMetrics(view).height() + 1);
    const QImage whole = view.renderToImage(QSize(800, allRows + 10));
    ASSERT_FALSE(whole.isNull());
    EXPECT_EQ(cut, whole.copy(QRect(QPoint(0, 0), shortView)));
    // And the last row really is drawn when there is room for it.
    EXPECT_GT(countPixels(whole, QRect(0, allRows - displayMetrics(view).height(), 800, 20),
                          isAnyInk),
              0);
}

TEST_F(MeterViewRender, BackgroundAndFontComeFromTheSettingsFile)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nBackgroundColor=65280\nFontColor=255\n"
                                  "FontName=DejaVu Serif\nFontSize=300\nFontStyle=2\n"));
    TestMeterView view(testSettings());
    EXPECT_EQ(colorRefFromColor(view.backgroundColor()), 0x00FF00u);
    EXPECT_EQ(view.displayFont().font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_DOUBLE_EQ(view.displayFont().size(), 30.0);
    EXPECT_TRUE(view.displayFont().font().italic());
    EXPECT_FALSE(view.displayFont().font().bold());

    typeIntoMeter(view, "Eve");
    const QImage image = view.renderToImage(kViewSize);
    EXPECT_EQ(image.pixelColor(999, 599), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(0, 599), QColor(0, 255, 0));
    // The name line in red, the font's colour, within one line of the new font.
    const auto red = [](QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 100 && qBlue(pixel) < 60; };
    const QRect line = pixelBounds(image, image.rect(), red);
    ASSERT_FALSE(line.isNull());
    EXPECT_LT(line.left(), 10);
    EXPECT_LT(line.bottom(), displayMetrics(view).height());
    EXPECT_NEAR(line.width(), displayMetrics(view).horizontalAdvance("Name: Eve|"), 6);
}

// --- The pictures and the off-screen surface --------------------------------------------

TEST(ScaledPictureTest, LoadsByNumberAndKeepsItsSize)
{
    ScaledPicture scale;
    EXPECT_TRUE(scale.load(MeterView::kScaleImage));
    EXPECT_EQ(scale.size(), QSize(41, 469));
}

TEST(ScaledPictureTest, MissingPictureMeasuresNothingAndDrawsNothing)
{
    ScaledPicture missing;
    EXPECT_FALSE(missing.load(999));
    EXPECT_TRUE(missing.isNull());
    EXPECT_EQ(missing.size(), QSize(0, 0));
    QImage target(50, 50, QImage::Format_RGB32);
    target.fill(Qt::white);
    const QImage before = target;
    QPainter painter(&target);
    missing.draw(painter, QRect(0, 0, 50, 50), Qt::white);
    painter.end();
    EXPECT_EQ(target, before);
}

TEST(ScaledPictureTest, DrawsStretchedToItsRectangle)
{
    ScaledPicture scale;
    ASSERT_TRUE(scale.load(MeterView::kScaleImage));
    QImage image(300, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scale.draw(painter, QRect(50, 40, 200, 500), Qt::white);
    painter.end();
    // Red at the top, pale at the bottom, nothing outside the rectangle.
    EXPECT_GT(qRed(image.pixel(150, 41)), 180);
    EXPECT_LT(qBlue(image.pixel(150, 41)), 90);
    EXPECT_GT(qBlue(image.pixel(150, 538)), 200);
    EXPECT_EQ(image.pixel(150, 545), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(49, 300), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(250, 300), qRgb(255, 255, 255));
}

TEST(ScaledPictureTest, KeptCopiesDrawLikeAFreshlyLoadedPicture)
{
    const auto drawSizes = [](const ScaledPicture& picture, const std::vector<QRect>& targets) {
        QImage image(300, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        for (const QRect& target : targets)
            picture.draw(painter, target, Qt::white);
        return image;
    };
    ScaledPicture used;
    ASSERT_TRUE(used.load(MeterView::kScaleImage));
    // More sizes than are kept, then the first one again.
    drawSizes(used, {QRect(0, 0, 200, 500), QRect(0, 0, 20, 30), QRect(0, 0, 21, 30),
                     QRect(0, 0, 22, 30), QRect(0, 0, 23, 30), QRect(0, 0, 200, 500)});
    ScaledPicture fresh;
    ASSERT_TRUE(fresh.load(MeterView::kScaleImage));
    const std::vector<QRect> targets{QRect(50, 40, 200, 500), QRect(10, 10, 20, 30)};
    EXPECT_EQ(drawSizes(used, targets), drawSizes(fresh, targets));
}

TEST(ScaledPictureTest, HighDensityDeviceGetsTheDoubleSizePictureAsDrawn)
{
    ScaledPicture marker;
    ASSERT_TRUE(marker.load(MeterView::kLevelMarkerImage));
    QImage picture(QStringLiteral(":/images/500@2x.png"));
    ASSERT_EQ(picture.size(), marker.size() * 2);
    picture.setDevicePixelRatio(1.0);
    QImage expected(picture.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(QPoint(0, 0), picture);

    QImage device(picture.size(), QImage::Format_RGB32);
    device.setDevicePixelRatio(2.0);
    device.fill(Qt::black);
    QPainter painter(&device);
    marker.draw(painter, QRect(QPoint(0, 0), marker.size()), Qt::black);
    painter.end();
    device.setDevicePixelRatio(1.0);
    EXPECT_EQ(device, expected);
}

TEST(OffscreenImageTest, HandsOverAPictureOfTheRequestedSize)
{
    OffscreenImage offscreen(QSize(64, 32));
    ASSERT_TRUE(offscreen.painter().isActive());
    EXPECT_EQ(offscreen.area(), QRect(0, 0, 64, 32));
    offscreen.painter().fillRect(offscreen.area(), Qt::red);
    const QImage image = offscreen.finish();
    EXPECT_EQ(image.size(), QSize(64, 32));
    EXPECT_EQ(image.pixelColor(63, 31), QColor(Qt::red));
}

TEST(OffscreenImageTest, EmptySizeGivesAnInactivePainterAndANullPicture)
{
    OffscreenImage offscreen(QSize(0, 10));
    EXPECT_FALSE(offscreen.painter().isActive());
    EXPECT_TRUE(offscreen.finish().isNull());
}

// --- The laid-out texts kept between frames ---------------------------------------------

namespace {

int widthOn(MeterTextCache& texts, QImage& device, const QFont& font, const QString& text)
{
    QPainter painter(&device);
    painter.setFont(font);
    texts.useFontOf(painter);
    return texts.get(text).width;
}

}  // namespace

TEST(MeterTextCacheTest, WidthIsTheAdvanceWithTrailingSpaces)
{
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(20);
    MeterTextCache texts;
    const QFontMetrics metrics(font, &device);
    EXPECT_EQ(widthOn(texts, device, font, QStringLiteral("51 ")),
              metrics.horizontalAdvance(QStringLiteral("51 ")));
    EXPECT_GT(widthOn(texts, device, font, QStringLiteral("51 ")),
              widthOn(texts, device, font, QStringLiteral("51")));
}

TEST(MeterTextCacheTest, AnotherFontOrResolutionLaysTheTextOutAgain)
{
    QImage normal(10, 10, QImage::Format_RGB32);
    QImage dense(10, 10, QImage::Format_RGB32);
    dense.setDotsPerMeterX(normal.dotsPerMeterX() * 2);
    dense.setDotsPerMeterY(normal.dotsPerMeterY() * 2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(20);
    QFont larger = font;
    larger.setPointSize(40);
    const QString text = QStringLiteral("Contestant");
    const int atNormal = QFontMetrics(font, &normal).horizontalAdvance(text);
    const int atDense = QFontMetrics(font, &dense).horizontalAdvance(text);
    const int inLarger = QFontMetrics(larger, &normal).horizontalAdvance(text);
    ASSERT_GT(atDense, atNormal + 50);
    ASSERT_GT(inLarger, atNormal + 50);
    MeterTextCache texts;
    EXPECT_EQ(widthOn(texts, normal, font, text), atNormal);
    EXPECT_EQ(widthOn(texts, dense, font, text), atDense);
    EXPECT_EQ(widthOn(texts, normal, larger, text), inLarger);
    EXPECT_EQ(widthOn(texts, normal, font, text), atNormal);
}

TEST(MeterTextCacheTest, LineBreaksAndTabsShowAsSpaces)
{
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"));
    MeterTextCache texts;
    EXPECT_EQ(widthOn(texts, device, font, QStringLiteral("A\nB\tC")),
              widthOn(texts, device, font, QStringLiteral("A B C")));
}

TEST(MeterTextCacheTest, ManyDifferentTextsKeepComingOutRight)
{
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    const QFontMetrics metrics(font, &device);
    MeterTextCache texts;
    for (int i = 0; i < 3000; i += 7) {
        const QString text = QString::number(i * 7919) + QLatin1Char(' ');
        ASSERT_EQ(widthOn(texts, device, font, text), metrics.horizontalAdvance(text)) << i;
    }
}

TEST_F(MeterViewRender, PreloadedNameWithALineBreakStaysOnItsRow)
{
    TestMeterView view(testSettings());
    view.meter().preloadList().add(brio::BRString("Ann\nLee"));
    view.meter().restartWithPreloadList();
    ASSERT_EQ(view.meter().leagueTable().count(), 1);
    const QImage image = view.renderToImage(kViewSize);
    const int rowHeight = displayMetrics(view).height();
    EXPECT_GT(countPixels(image, QRect(0, 0, 1000, rowHeight), isHighlightInk), 10);
    EXPECT_EQ(countPixels(image, QRect(500, rowHeight, 500, 600 - rowHeight), isHighlightInk), 0);
}
