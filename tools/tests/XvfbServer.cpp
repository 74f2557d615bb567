// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XvfbServer.h"

#include <QDeadlineTimer>

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kEndTimeoutMs = 5000;

}  // namespace

XvfbServer::XvfbServer() : m_previousDisplay(qgetenv("DISPLAY"))
{
    // With -displayfd 1 the server writes the display number it took to standard output
    // once it accepts clients.
    m_process.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp")});
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("cannot start Xvfb (package xvfb): ") + m_process.errorString();
        return;
    }
    QByteArray output;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!output.contains('\n') && !deadline.hasExpired() &&
           m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        output += m_process.readAllStandardOutput();
    }
    const QByteArray number = output.trimmed();
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb reported no display: ") +
                  QString::fromLocal8Bit(m_process.readAllStandardError());
        return;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number);
    qputenv("DISPLAY", m_display.toLocal8Bit());
}

XvfbServer::~XvfbServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(kEndTimeoutMs)) {
            m_process.kill();
            m_process.waitForFinished(kEndTimeoutMs);
        }
    }
    if (m_previousDisplay.isNull())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", m_previousDisplay);
}
