// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/TickLimit.h"
#include "support/UiTestFixture.h"
#include "show/Show.h"
#include "store/StoreLocation.h"
#include "widgets/MeterView.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace ovatron::test {

// A show as the application makes one, over the test's settings; results would go to the
// temporary data folder, which nothing opens unless a test asks.
inline std::unique_ptr<Show> makeTestShow()
{
    return std::make_unique<Show>(testSettings(), defaultDatabasePath());
}

// Holds the show of a test's view, made before the view.
struct OwnShow {
    std::unique_ptr<Show> ownShow = makeTestShow();
};

// A meter view over a show of its own, as the main window's is over the application's. The
// tests drive its session and meter directly.
class TestMeterView : private OwnShow, public MeterView {
public:
    explicit TestMeterView(brio::BRAppConfig& settings, QWidget* parent = nullptr)
        : MeterView(*ownShow, settings, parent)
    {
    }
    Show& theShow() { return *ownShow; }
    MeterSession& session() { return ownShow->session(); }
    const MeterSession& session() const { return ownShow->session(); }
    MeterCore& meter() { return ownShow->session().meter(); }
    const MeterCore& meter() const { return ownShow->session().meter(); }
    QUndoStack& corrections() { return ownShow->session().corrections(); }
    void toggleLeagueTable() { session().toggleLeagueTable(); }
    void clearLeagueTable() { session().clearLeagueTable(); }
    void toggleSummaryScreen() { session().toggleSummaryScreen(); }
};

inline void storeSetting(const char* key, int value)
{
    testSettings().setRegistryInteger(kSettingsSection, key, value, kSettingsHive);
}

inline void storeSetting(const char* key, const char* value)
{
    testSettings().setRegistryString(kSettingsSection, key, value, kSettingsHive);
}

// The stored integer, or `missing` when the store holds none.
inline int storedInteger(const char* key, int missing = -12345)
{
    return testSettings().getRegistryInteger(kSettingsSection, key, missing, kSettingsHive);
}

inline std::string storedString(const char* key)
{
    return testSettings().getRegistryString(kSettingsSection, key, "<none>", kSettingsHive).toUtf8();
}

// Types UTF-8 text straight into the meter, as its keys would.
inline void typeIntoMeter(MeterCore& meter, const std::string& text)
{
    meter.onText(brio::BRString::fromUtf8(text));
}

inline void typeIntoMeter(TestMeterView& view, const std::string& text)
{
    typeIntoMeter(view.meter(), text);
}

// Starts a contestant with this name from NameEntry and lifts the score to `score` by
// holding SPACE in the meter's terms, then abandons the turn with Esc (the entry stays).
inline void addFinishedEntry(MeterCore& meter, const std::string& name, int score)
{
    typeIntoMeter(meter, name);
    meter.onChar(MeterCore::kEnter);
    for (int tick = 0; meter.peak() < score; ++tick) {
        ASSERT_LT(tick, kTickLimit) << "the peak never reached " << score;
        meter.tick(TickInput{true, true});
    }
    meter.onChar(MeterCore::kEscape);
}

inline void addFinishedEntry(TestMeterView& view, const std::string& name, int score)
{
    addFinishedEntry(view.meter(), name, score);
}

// The metrics of the display font on an image, as the paint measures its text.
inline QFontMetrics displayMetrics(const MeterView& view)
{
    static QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(view.displayFont().font(), &device);
}

using PixelTest = std::function<bool(QRgb)>;

// Text drawn black on a light background: dark and grey.
inline bool isBlackInk(QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return std::max({r, g, b}) < 110 && std::abs(b - r) < 25 && std::abs(g - r) < 25;
}

// Text in the highlight colour (blue 200) on white: red and green equal, blue well above.
inline bool isHighlightInk(QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return b - r > 60 && std::abs(g - r) < 25 && r < 150;
}

// The strong blue of the level marker's arrow head.
inline bool isMarkerBlue(QRgb pixel)
{
    return qBlue(pixel) > 150 && qBlue(pixel) - qRed(pixel) > 100 && qBlue(pixel) - qGreen(pixel) > 40;
}

// The strong green of the peak marker's arrow head.
inline bool isMarkerGreen(QRgb pixel)
{
    return qGreen(pixel) > 100 && qGreen(pixel) - qRed(pixel) > 60 && qGreen(pixel) - qBlue(pixel) > 40;
}

inline bool isAnyInk(QRgb pixel)
{
    return (pixel & 0xFFFFFF) != 0xFFFFFF;
}

inline int countPixels(const QImage& image, const QRect& area, const PixelTest& test)
{
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The smallest rectangle holding every matching pixel of area; null when there is none.
inline QRect pixelBounds(const QImage& image, const QRect& area, const PixelTest& test)
{
    const QRect inside = area.intersected(image.rect());
    QRect bounds;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (test(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace ovatron::test
