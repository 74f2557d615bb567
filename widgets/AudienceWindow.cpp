// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/AudienceWindow.h"

#include "core/ProductConfig.h"
#include "widgets/MeterView.h"
#include "widgets/ProgramIcon.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {
// An ordinary audience window on the operator's only screen starts at this size.
constexpr QSize kOrdinarySize(800, 500);
}  // namespace

AudienceWindow::AudienceWindow(const MeterView& source) : m_source(source)
{
    setWindowTitle(tr("%1 Audience Screen").arg(QString::fromUtf8(kProductName)));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::ClickFocus);
    resize(kOrdinarySize);
}

void AudienceWindow::showOn(QScreen* screen, bool fullScreen)
{
    setCursor(fullScreen ? Qt::BlankCursor : Qt::ArrowCursor);
    if (!screen)
        return;
    // Full screen before the audience, nobody clicks it: it must never draw the keyboard away
    // from the operator, whose window the meter listens to. (Window flags apply from the next
    // show on.)
    if (testAttribute(Qt::WA_WState_Created) &&
        windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus) != fullScreen)
        hide();
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, fullScreen);
    if (fullScreen) {
        setScreen(screen);
        setGeometry(screen->geometry());
        showFullScreen();
        return;
    }
    if (isFullScreen())
        showNormal();
    setScreen(screen);
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
    show();
}

void AudienceWindow::showChanges()
{
    // The look follows the operator's font and colours; measuring it is cheap beside a frame.
    m_look = m_source.lookOn(*this);
    const QRegion changed =
        m_shown.advance(m_source.meter(), m_source.preedit(), rect(), m_look);
    if (!changed.isEmpty())
        update(changed);
}

void AudienceWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_source.drawView(painter, rect(), event->region(), m_look, m_texts);
}

void AudienceWindow::resizeEvent(QResizeEvent* event)
{
    // Qt repaints a resized window whole; a window shown for the first time is resized too.
    QWidget::resizeEvent(event);
    showChanges();
}

void AudienceWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    // Typing belongs to the operator's window: it takes the keyboard back, with this key.
    emit keyForOperator(*event);
}

void AudienceWindow::keyReleaseEvent(QKeyEvent* event)
{
    emit keyForOperator(*event);
}

void AudienceWindow::closeEvent(QCloseEvent* event)
{
    // The main window decides: it hides this window and keeps its menu item in step.
    event->ignore();
    emit closeRequested();
}
