// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UiTestFixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>


namespace ovatron::test {

AppConfig& testSettings()
{
    static AppConfig settings;
    static const bool opened = (settings.init("Ovatron"), true);
    (void)opened;
    return settings;
}

void UiTest::processEvents(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (!deadline.hasExpired());
}

void UiTest::TearDown()
{
    failOnLeftoverModals();
}

void failOnLeftoverModals()
{
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !(widget->isModal() || qobject_cast<QDialog*>(widget)))
            continue;
        ADD_FAILURE() << "a modal window was left open: " << widget->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
        widget->close();
    }
}

void answerNextModal(std::function<void(QWidget* dialog)> answer, int timeoutMs)
{
    // The timer belongs to the application and deletes itself once it has answered or given up.
    auto* timer = new QTimer(QApplication::instance());
    const QDeadlineTimer deadline(timeoutMs);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, deadline, answer]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            answer(modal);
        else
            ADD_FAILURE() << "no modal dialog opened";
    });
    timer->start();
}

}  // namespace ovatron::test
