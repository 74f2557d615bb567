// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FrameSnapshot.h"
#include "core/MeterCore.h"
#include "core/MeterLayout.h"
#include "display/DisplayFont.h"
#include "display/DisplayStyle.h"
#include "display/MeterPainter.h"
#include "display/ScaledPicture.h"
#include "display/ShownFrame.h"
#include "show/MeterSession.h"
#include "show/Show.h"
#include "widgets/dialogs/ViewDialogs.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace brio {
class BRAppConfig;
}
struct DisplaySettings;
class QPainter;

// The applause-meter view: the main window's only pane. It turns keys and input-method text
// into the operator's intents for the show's session, tells it whether the meter listens,
// and paints the session's meter in its display style; the show runs the show.
class MeterView : public QWidget {
    Q_OBJECT
public:
    // Pictures of the level marker, the peak marker and the scale.
    static constexpr DisplayPicture kLevelMarkerImage = DisplayPicture::LevelMarker;
    static constexpr DisplayPicture kPeakMarkerImage = DisplayPicture::PeakMarker;
    static constexpr DisplayPicture kScaleImage = DisplayPicture::Scale;
    static constexpr int kTickMilliseconds = MeterSession::kTickMilliseconds;

    // Shows and drives the show's session; reads the display settings from the store, and
    // writes them back there when a command changes one. The show and the store must outlive
    // the view.
    // pictures: the display's, when the caller has decoded them already.
    MeterView(Show& show, brio::BRAppConfig& settings, QWidget* parent = nullptr,
              const DisplayPictures& pictures = decodeDisplayPictures());
    ~MeterView() override;

    const MeterSession& session() const { return m_show.session(); }
    const MeterCore& meter() const { return m_show.session().meter(); }
    // An input method's text being composed, shown on the name line after the typed name.
    const QString& preedit() const { return m_show.session().composing(); }
    const DisplayStyle& style() const { return m_style; }
    const DisplayFont& displayFont() const { return m_style.font(); }
    const QColor& backgroundColor() const { return m_style.backgroundColor(); }
    const layout::MarkerSizes& markerSizes() const { return m_style.markerSizes(); }

    // The whole display drawn into client.
    void drawView(QPainter& painter, const QRect& client) const;
    // The part of the display in region drawn into client, as each paint draws it; inside
    // the region the pixels are those of the whole display, outside it nothing is touched.
    void drawView(QPainter& painter, const QRect& client, const QRegion& region) const;
    // The same for another display of the meter (the audience's), in its own look and with
    // its own text cache, both for its own screen, with the hidden scores as "?".
    void drawView(QPainter& painter, const QRect& client, const QRegion& region,
                  const FrameLook& look, MeterTextCache& texts, bool showSelection = false,
                  const ScoreReveal* hidden = nullptr,
                  const std::vector<std::int64_t>* pending = nullptr) const;
    // The look of the display as a painter on this widget draws it: the display font and
    // colours, the pictures' sizes, and the text measured on the widget's screen.
    FrameLook lookOn(const QWidget& display) const;
    // The display as it would look in a view of this size.
    QImage renderToImage(const QSize& size) const;

    // One tick of the meter's clock, exactly as the timer runs it.
    void tickOnce() { m_show.session().tickOnce(); }
    bool isTicking() const { return m_show.session().isTicking(); }
    // Asks for a repaint of the parts of the view whose pixels differ from the frame last
    // asked for, and of nothing when none do. Whoever changes the session's meter directly
    // calls this afterwards; the view's own events and commands do.
    void showChanges() { m_show.session().showChanges(); }
    // Whether the meter listens: the view or a window containing it has the keyboard focus,
    // in the active window.
    bool listening() const;
    bool spaceDown() const { return m_show.session().spaceDown(SpaceSource::Keyboard); }

    void setDialogs(ViewDialogs dialogs) { m_dialogs = std::move(dialogs); }
    // See MeterSession::setMeasuredLevel.
    void setMeasuredLevel(std::function<std::optional<int>()> measured,
                          std::function<bool()> inUse)
    {
        m_show.session().setMeasuredLevel(std::move(measured), std::move(inUse));
    }
    void followClock() { m_show.session().followClock(); }

    // The holding window hides the pointer over the view in full-screen mode.
    void setPointerHidden(bool hidden);

public slots:
    // The view's commands: those with a dialog, and the session's toggles and corrections.
    void editFont();
    void toggleLeagueTable() { m_show.session().toggleLeagueTable(); }
    void clearLeagueTable() { m_show.session().clearLeagueTable(); }
    void chooseBackgroundColor();
    void toggleSummaryScreen() { m_show.session().toggleSummaryScreen(); }
    void editPreloadList();
    // Edit > Turn Length: the chosen length goes to the session, which stores it.
    void editTurnLength();
    // Edit > Remove Contestant: the row selected, or the contestant measured last, once the
    // operator confirms.
    void removeContestant();

signals:
    // The parts of the view just asked to be repainted (see showChanges).
    void repaintRequested(const QRegion& region);
    // The right button: the holding window opens its context menu at this point.
    void contextMenuRequested(const QPoint& globalPos);
    // A left double-click: the holding window switches full-screen mode.
    void fullScreenToggleRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Compares the frame with the one asked for last and repaints what differs.
    void showFrame();
    // Works out the look of the display again and shows the change.
    void refreshLook();
    // Tells the input method when name entry begins or ends, so that it takes part in it
    // alone.
    void followNameEntry();

    Show& m_show;
    brio::BRAppConfig& m_settings;
    ViewDialogs m_dialogs;
    DisplayStyle m_style;
    mutable MeterTextCache m_texts;  // filled by painting
    bool m_inNameEntry;  // as the input method was last told
    // Kept between ticks: working it out shapes text. Every frame, on screen or in a picture,
    // is laid out with it, so a frame and the changes asked for always agree.
    FrameLook m_look;
    ShownFrame m_shown;
};
