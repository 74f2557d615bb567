// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BareWindow.h"

#include "FrameColour.h"

#include <QPainter>

BareWindow::BareWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("Ovatron bare window"));
    // The fill below covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setInterval(kFrameInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        ++m_frame;
        update();
    });
    m_timer.start();
}

void BareWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), frameColour(m_frame));
    ++m_framesPainted;
}
