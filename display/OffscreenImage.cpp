// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/OffscreenImage.h"

#include <utility>

OffscreenImage::OffscreenImage(const QSize& size)
    : m_area(QPoint(0, 0), size.expandedTo(QSize(0, 0)))
{
    if (!m_area.isEmpty())
        m_image = QImage(m_area.size(), QImage::Format_RGB32);
    if (!m_image.isNull())
        m_painter.begin(&m_image);
}

OffscreenImage::~OffscreenImage()
{
    if (m_painter.isActive())
        m_painter.end();
}

QImage OffscreenImage::finish()
{
    if (m_painter.isActive())
        m_painter.end();
    return std::move(m_image);
}
