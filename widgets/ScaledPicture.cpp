#include "widgets/ScaledPicture.h"

#include <QPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace {

QString resourcePath(int resourceId)
{
    return QStringLiteral(":/images/%1.jpg").arg(resourceId);
}

}  // namespace

bool ScaledPicture::load(int resourceId)
{
    m_scaled.clear();
    QImage image(resourcePath(resourceId));
    // The format that raster painting copies fastest.
    m_original = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    return !m_original.isNull();
}

void ScaledPicture::draw(QPainter& painter, const QRect& target) const
{
    if (m_original.isNull() || target.width() <= 0 || target.height() <= 0)
        return;
    // On a high-density screen the copy is made at the device's resolution.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize deviceSize(qRound(target.width() * ratio), qRound(target.height() * ratio));
    const QImage& image = scaledTo(deviceSize);
    if (image.isNull())
        return;
    painter.drawImage(QRectF(target), image);
}

const QImage& ScaledPicture::scaledTo(const QSize& size) const
{
    if (size == m_original.size())
        return m_original;
    auto found = std::find_if(m_scaled.begin(), m_scaled.end(),
                              [&size](const Scaled& scaled) { return scaled.size == size; });
    if (found == m_scaled.end()) {
        if (m_scaled.size() >= kCachedSizes)
            m_scaled.pop_back();
        m_scaled.insert(m_scaled.begin(),
                        Scaled{size, m_original.scaled(size, Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation)});
    } else if (found != m_scaled.begin()) {
        std::rotate(m_scaled.begin(), found, found + 1);
    }
    return m_scaled.front().image;
}
