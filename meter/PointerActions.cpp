// What the mouse does over the meter view: the right button opens the context menu, a
// double-click switches full-screen mode, and the pointer hides in full-screen mode.
#include "meter/ChildView.h"
#include "meter/FrameHost.h"

#include <QMouseEvent>

FrameHost* ChildView::frameHost() const
{
    return dynamic_cast<FrameHost*>(window());
}

void ChildView::updateCursor()
{
    const FrameHost* host = frameHost();
    setCursor(host && host->isFullScreenMode() ? Qt::BlankCursor : Qt::ArrowCursor);
}

void ChildView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (FrameHost* host = frameHost())
        host->trackContextMenu(event->globalPosition().toPoint());
}

void ChildView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (FrameHost* host = frameHost())
        host->ToggleFullScreen();
}
