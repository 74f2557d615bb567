// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BareWindow.h"

#include "FrameColour.h"
#include "PatchPlace.h"

#include <QPaintEvent>
#include <QPainter>

BareWindow::BareWindow(BareRepaint repaint, QWidget* parent) : QWidget(parent), m_repaint(repaint)
{
    setWindowTitle(tr("Ovatron bare window"));
    // The fill below covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setInterval(kFrameInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_repaint == BareRepaint::Patch) {
            update(patchPlace(m_frame, size()));  // the last place is painted over...
            update(patchPlace(m_frame + 1, size()));  // ...by the background and the new one
        } else {
            update();
        }
        ++m_frame;
    });
    m_timer.start();
}

void BareWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_repaint == BareRepaint::Patch) {
        painter.fillRect(event->rect(), palette().window());
        const QRect patch = patchPlace(m_frame, size());
        painter.fillRect(patch, frameColour(m_frame));
        painter.drawText(patch, Qt::AlignCenter, QString::number(m_frame));
    } else {
        painter.fillRect(rect(), frameColour(m_frame));
    }
    ++m_framesPainted;
}
