#pragma once

#include "core/MeterCore.h"
#include "core/MeterLayout.h"
#include "widgets/DisplayFont.h"
#include "widgets/MeterPainter.h"
#include "widgets/ScaledPicture.h"
#include "widgets/ViewDialogs.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace brio {
class BRAppConfig;
}
struct DisplaySettings;
class QPainter;

// The applause-meter view: the main window's only pane. It owns the meter (state, league
// table, preload list), the display font, the pictures and the display settings; it turns
// keys and input-method text into the meter's keys and text, runs the meter's 20 ms clock,
// and paints the display.
class MeterView : public QWidget {
    Q_OBJECT
public:
    // Pictures of the level marker, the peak marker and the scale, by resource number.
    static constexpr int kLevelMarkerImage = 500;
    static constexpr int kPeakMarkerImage = 501;
    static constexpr int kScaleImage = 502;
    static constexpr int kTickMilliseconds = 20;

    // Reads the display settings from the store, and writes them back there when a command
    // changes one; the store must outlive the view.
    explicit MeterView(brio::BRAppConfig& settings, QWidget* parent = nullptr);
    ~MeterView() override;

    const MeterCore& meter() const { return m_meter; }
    MeterCore& meter() { return m_meter; }
    const DisplayFont& displayFont() const { return m_font; }
    const QColor& backgroundColor() const { return m_backgroundColor; }
    const layout::MarkerSizes& markerSizes() const { return m_markerSizes; }

    // The whole display drawn into client, as each paint draws it. Another display of the same
    // meter (the audience's) brings its own text cache, laid out for its own screen.
    void drawView(QPainter& painter, const QRect& client) const;
    void drawView(QPainter& painter, const QRect& client, MeterTextCache& texts) const;
    // The display as it would look in a view of this size.
    QImage renderToImage(const QSize& size) const;

    // One tick of the meter's clock, exactly as the timer runs it.
    void tickOnce();
    // Whether the meter listens: the view or a window containing it has the keyboard focus,
    // in the active window.
    bool listening() const;
    bool spaceDown() const { return m_spaceDown; }

    void setDialogs(ViewDialogs dialogs) { m_dialogs = std::move(dialogs); }
    // Where each tick reads the microphone's level, without waiting; none while the keyboard
    // measures. The function must stay callable as long as the view ticks.
    void setMeasuredLevel(std::function<std::optional<int>()> measured)
    {
        m_measured = std::move(measured);
    }

    // The holding window hides the pointer over the view in full-screen mode.
    void setPointerHidden(bool hidden);

public slots:
    // The view's commands.
    void editFont();
    void toggleLeagueTable();
    void clearLeagueTable();
    void chooseBackgroundColor();
    void toggleSummaryScreen();
    void editPreloadList();

signals:
    // The right button: the holding window opens its context menu at this point.
    void contextMenuRequested(const QPoint& globalPos);
    // A left double-click: the holding window switches full-screen mode.
    void fullScreenToggleRequested();
    // Something on the display changed (and the view repaints): other displays of the meter
    // follow.
    void displayChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    MeterView(brio::BRAppConfig& settings, const DisplaySettings& stored, QWidget* parent);

    TickInput tickInput() const;
    void repaintIf(bool needed);
    void refresh();
    // Tells the input method when name entry begins or ends, so that it takes part in it
    // alone.
    void followNameEntry();

    brio::BRAppConfig& m_settings;
    ViewDialogs m_dialogs;
    DisplayFont m_font;
    QColor m_backgroundColor;
    ScaledPicture m_levelMarker;
    ScaledPicture m_peakMarker;
    ScaledPicture m_scale;
    layout::MarkerSizes m_markerSizes;
    mutable MeterTextCache m_texts;  // filled by painting
    MeterCore m_meter;
    QString m_preedit;  // an input method's text being composed
    bool m_inNameEntry;  // as the input method was last told
    int m_timerId = 0;
    bool m_spaceDown = false;
    std::function<std::optional<int>()> m_measured;
};
