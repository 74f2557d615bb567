// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FrameSnapshot.h"
#include "widgets/MeterPainter.h"
#include "widgets/ShownFrame.h"

#include <QWidget>

class MeterView;
class QScreen;

// The audience's screen: the operator's meter display, painted by the same code from the same
// state, with no menu and, full screen, no pointer. It never takes the keyboard: the operator
// types in the main window.
class AudienceWindow : public QWidget {
    Q_OBJECT
public:
    // The view must outlive the window.
    explicit AudienceWindow(const MeterView& source);

    // Full screen on the screen, or an ordinary window on it that the operator can drag.
    void showOn(QScreen* screen, bool fullScreen);

    // Asks for a repaint of the parts of this window whose pixels differ from the frame last
    // asked for, as the operator's view does for its own; after every change of the display.
    void showChanges();

signals:
    // Esc while the window has the focus, or its close box: the operator wants it gone.
    void closeRequested();
    // Any other key that reached this window (the operator clicked it): for the operator's.
    void keyForOperator(const QKeyEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const MeterView& m_source;
    MeterTextCache m_texts;  // laid out for this window's screen
    FrameLook m_look;        // measured on this window's screen
    ShownFrame m_shown;
};
