#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

// A picture from the program's resources, found by its number (":/images/<id>.jpg"), and
// drawn scaled into a rectangle. Scaled copies are kept by target size, so a frame only
// copies pixels. A picture that did not load has size 0 x 0 and draws nothing.
class ScaledPicture {
public:
    ScaledPicture() = default;

    // Loads the picture with this number; false when there is none.
    bool load(int resourceId);
    bool isNull() const { return m_original.isNull(); }
    QSize size() const { return m_original.size(); }

    void draw(QPainter& painter, const QRect& target) const;

private:
    const QImage& scaledTo(const QSize& size) const;

    // One target size is in use at a time (the scale's, for the view's size and layout); a
    // copy for another size is seldom drawn again (a resized window, a toggled table), so it
    // goes rather than stay decoded beside the one in use.
    static constexpr std::size_t kCachedSizes = 1;

    struct Scaled {
        QSize size;
        QImage image;
    };

    QImage m_original;
    mutable std::vector<Scaled> m_scaled;  // most recently used first
};
