#pragma once

#include "widgets/MeterPainter.h"

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

signals:
    // Esc while the window has the focus, or its close box: the operator wants it gone.
    void closeRequested();
    // Any other key that reached this window (the operator clicked it): for the operator's.
    void keyForOperator(const QKeyEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const MeterView& m_source;
    MeterTextCache m_texts;  // laid out for this window's screen
};
