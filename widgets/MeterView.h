// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FrameSnapshot.h"
#include "core/MeterCore.h"
#include "core/MeterLayout.h"
#include "core/TickGapWatch.h"
#include "widgets/DisplayFont.h"
#include "widgets/MeterPainter.h"
#include "widgets/ScaledPicture.h"
#include "widgets/ShownFrame.h"
#include "widgets/ViewDialogs.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QUndoStack>
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
    // An input method's text being composed, shown on the name line after the typed name.
    const QString& preedit() const { return m_preedit; }
    MeterCore& meter() { return m_meter; }
    const DisplayFont& displayFont() const { return m_font; }
    const QColor& backgroundColor() const { return m_backgroundColor; }
    const layout::MarkerSizes& markerSizes() const { return m_markerSizes; }

    // The whole display drawn into client.
    void drawView(QPainter& painter, const QRect& client) const;
    // The part of the display in region drawn into client, as each paint draws it; inside
    // the region the pixels are those of the whole display, outside it nothing is touched.
    void drawView(QPainter& painter, const QRect& client, const QRegion& region) const;
    // The same for another display of the meter (the audience's), in its own look and with
    // its own text cache, both for its own screen.
    void drawView(QPainter& painter, const QRect& client, const QRegion& region,
                  const FrameLook& look, MeterTextCache& texts, bool showSelection = false) const;
    // The look of the display as a painter on this widget draws it: the display font and
    // colours, the pictures' sizes, and the text measured on the widget's screen.
    FrameLook lookOn(const QWidget& display) const;
    // The display as it would look in a view of this size.
    QImage renderToImage(const QSize& size) const;

    // One tick of the meter's clock, exactly as the timer runs it.
    void tickOnce();
    // Whether the 20 ms clock runs: only while a tick could change something, so that a
    // resting meter does not wake the program.
    bool isTicking() const { return m_timerId != 0; }
    // Asks for a repaint of the parts of the view whose pixels differ from the frame last
    // asked for, and of nothing when none do. Whoever changes the meter through meter()
    // calls this afterwards; the view's own events and commands do.
    void showChanges();
    // Whether the meter listens: the view or a window containing it has the keyboard focus,
    // in the active window.
    bool listening() const;
    bool spaceDown() const { return m_spaceDown; }

    // A remote's keys, as if pressed here: one of the meter's keys (MeterCore::kEnter, ...),
    // a name typed, and SPACE held or let go. A remote's SPACE counts whatever has the focus.
    void pressMeterKey(int code);
    void typeText(const QString& text);
    void setRemoteSpaceDown(bool down);

    void setDialogs(ViewDialogs dialogs) { m_dialogs = std::move(dialogs); }
    // Where each tick reads the microphone's level, without waiting; none while the keyboard
    // measures. inUse tells whether the microphone is the input, so that the clock keeps
    // running for a level that may move at any moment. Both must stay callable as long as the
    // view ticks; whoever switches the input calls followClock().
    void setMeasuredLevel(std::function<std::optional<int>()> measured,
                          std::function<bool()> inUse)
    {
        m_measured = std::move(measured);
        m_microphoneInUse = std::move(inUse);
        followClock();
    }
    // Starts the clock when a tick could change something, and stops it when none could.
    void followClock();

    // The corrections of the league table that Undo can take back, in order.
    QUndoStack& corrections() { return m_corrections; }
    const QUndoStack& corrections() const { return m_corrections; }

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
    // Edit > Turn Length: the chosen length goes to the meter and the store.
    void editTurnLength();
    // The turn length as stored now (after the Microphone dialog changed it).
    void reloadTurnLength();
    // Corrections of the row selected, or of the contestant measured last.
    void renameContestant();
    void removeContestant();
    void measureAgain();
    void undo();
    void redo();

signals:
    // The parts of the view just asked to be repainted (see showChanges).
    void repaintRequested(const QRegion& region);
    // The right button: the holding window opens its context menu at this point.
    void contextMenuRequested(const QPoint& globalPos);
    // A left double-click: the holding window switches full-screen mode.
    void fullScreenToggleRequested();
    // The frame changed (and the view repaints), or the waiting names did: other displays
    // of the meter follow.
    void displayChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
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
    // Works out the look of the display again and shows the change.
    void refreshLook();
    // Tells the input method when name entry begins or ends, so that it takes part in it
    // alone.
    void followNameEntry();
    // Puts a rename or a measurement again that a key has just finished on the undo history.
    void recordFinishedCorrection();

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
    // Kept between ticks: working it out shapes text. Every frame, on screen or in a picture,
    // is laid out with it, so a frame and the changes asked for always agree.
    FrameLook m_look;
    ShownFrame m_shown;
    int m_timerId = 0;
    QElapsedTimer m_clock;
    TickGapWatch m_tickGaps;
    bool m_spaceDown = false;
    bool m_remoteSpaceDown = false;
    std::function<std::optional<int>()> m_measured;
    std::function<bool()> m_microphoneInUse;
    QUndoStack m_corrections;
};
