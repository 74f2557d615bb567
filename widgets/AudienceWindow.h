// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FrameSnapshot.h"
#include "core/StageFrame.h"
#include "core/settings/StageSettings.h"
#include "display/DisplayStyle.h"
#include "display/EventLogo.h"
#include "display/MeterPainter.h"
#include "display/ShownFrame.h"
#include "display/StagePainter.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class Show;
class QScreen;

// The Stage's fonts as a painter on this widget resolves them, for its screen.
inline StageFonts stageFonts(const QFont& display, const stage::TypeSizes& sizes,
                             const QWidget& widget)
{
    return stageFonts(display, sizes, widget.font(), widget);
}

// The audience's screen, with no menu and, full screen, no pointer: in the Stage look made
// for a hall (the event, ranks, the current contestant always in sight, a new leader, the
// winners), in the Mirror look the operator's meter display, painted by the same code from
// the same state. It never takes the keyboard: the operator types in the main window.
class AudienceWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the show in the operator's display style (the Mirror look draws that, the Stage
    // takes its font and colours); both must outlive the window.
    AudienceWindow(const Show& show, const DisplayStyle& style);

    // Full screen on the screen, or an ordinary window on it that the operator can drag.
    void showOn(QScreen* screen, bool fullScreen);

    // Asks for a repaint of the parts of this window whose pixels differ from the frame last
    // asked for, as the operator's view does for its own; after every change of the display.
    void showChanges();

    // The look, the theme and the event's name, and the logo read from logoPath (none for an
    // empty path). Answers why the logo cannot be shown, or nothing.
    QString setStage(const StageSettings& settings, const QString& logoPath);
    // The podium of the top three instead of everything else, in either look.
    void setWinnersShowing(bool showing);
    bool winnersShowing() const { return m_winners; }

signals:
    // Esc while the window has the focus, or its close box: the operator wants it gone.
    void closeRequested();
    // Esc while it shows the winners.
    void endWinnersRequested();
    // Esc during a reveal (not while the winners show).
    void endRevealRequested();
    // Any other key that reached this window (the operator clicked it): for the operator's.
    void keyForOperator(const QKeyEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool stageShown() const { return m_settings.look == AudienceLook::Stage || m_winners; }
    void showStageChanges();
    // A frame that paints differently from the one shown before: all of it is repainted.
    void repaintAnew();
    // The moment of the Stage's frame: the reveal, and how far a glide or the confetti are.
    StageMoment stageMoment();
    // Starts a glide when the current row has overtaken others since the frame before.
    bool followGlide(const StageFrame& now);
    // The motion timer runs only while a glide or the confetti move.
    void followMotion(const StageFrame& now);

    const Show& m_show;
    const DisplayStyle& m_style;
    StageSettings m_settings;
    EventLogo m_logo;
    bool m_winners = false;
    bool m_stageLastShown = false;  // which painter the last frame asked for
    // The current contestant's lead is marked for a moment after it is taken.
    bool m_wasLeading = false;
    QTimer m_newLeader;
    // A glide and the confetti: frames while they move, none at rest.
    QTimer m_motion;
    QElapsedTimer m_glideClock;
    std::optional<int> m_glideFrom;  // the slot the overtaking row left
    std::int64_t m_glideOrder = -1;  // whose row glides, and whose row was current before
    QElapsedTimer m_confettiClock;
    bool m_confettiOn = false;
    StageFonts m_stageFonts;
    StageTexts m_stageTexts;
    StageFrame m_stageFrame;
    MeterTextCache m_texts;  // laid out for this window's screen
    FrameLook m_look;        // measured on this window's screen
    ShownFrame m_shown;
};
