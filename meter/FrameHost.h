#pragma once

class QPoint;

// What the meter view asks of the window that holds it: the full-screen mode and the
// context menu. Outside such a window a double-click does nothing and the pointer stays
// the arrow.
class FrameHost {
public:
    virtual ~FrameHost() = default;
    virtual void ToggleFullScreen() = 0;
    virtual bool isFullScreenMode() const = 0;
    // Opens the context menu horizontally centred on the point, its top edge at the point.
    virtual void trackContextMenu(const QPoint& globalPos) = 0;
};
