// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "osc/OscLink.h"

#include "osc/OscOutbox.h"
#include "osc/OscPeers.h"

#include <QNetworkDatagram>

OscLink::OscLink(const OscSettings& settings, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_outbox(new OscOutbox(parseOscTargets(settings.sendTo).targets, this))
{
    m_applauseSilence.setSingleShot(true);
    m_applauseSilence.setInterval(kApplauseSilenceMs);
    connect(&m_applauseSilence, &QTimer::timeout, this,
            [this] { carryOut(ShowCommand{ShowCommand::Kind::Applause, {}, false}); });
    m_levelDue.setSingleShot(true);
    connect(&m_levelDue, &QTimer::timeout, this, &OscLink::sendLevel);

    if (!m_inbox.ready()) {
        m_problem = tr("OSC messages cannot be read on this computer.");
        return;
    }
    const QHostAddress address(settings.address);
    if (!m_socket.bind(address, static_cast<quint16>(settings.port))) {
        m_problem = tr("Port %1 cannot be opened for OSC: %2")
                        .arg(settings.port)
                        .arg(m_socket.errorString());
        return;
    }
    connect(&m_socket, &QUdpSocket::readyRead, this, &OscLink::readDatagrams);
}

OscLink::~OscLink()
{
    // A held applause must not outlive the one who held it.
    if (m_applauseHeld)
        emit commandArrived(ShowCommand{ShowCommand::Kind::Applause, {}, false});
}

void OscLink::readDatagrams()
{
    const int before = m_counts.in + m_counts.refused;
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        if (!oscSenderAllowed(datagram.senderAddress(), m_settings.allowFrom)) {
            ++m_counts.refused;
            continue;
        }
        const OscInbox::Read read = m_inbox.read(datagram.data());
        m_counts.refused += read.refused;
        for (const ShowCommand& command : read.commands) {
            ++m_counts.in;
            carryOut(command);
        }
    }
    if (m_counts.in + m_counts.refused != before)
        emit countsChanged();
}

void OscLink::carryOut(const ShowCommand& command)
{
    if (command.kind == ShowCommand::Kind::Applause) {
        if (command.down == m_applauseHeld && !command.down)
            return;
        m_applauseHeld = command.down;
        if (command.down)
            m_applauseSilence.start();
        else
            m_applauseSilence.stop();
    }
    emit commandArrived(command);
}

void OscLink::showChanged(const OscFacts& now)
{
    for (const OscMessage& message : oscAnnouncements(m_told, now))
        send(message);
    m_told = now;
    if (m_settings.sendLevel && now.level != m_levelSent && !m_levelDue.isActive()) {
        const qint64 waited = m_sinceLevel.isValid() ? m_sinceLevel.elapsed() : kLevelGapMs;
        if (waited >= kLevelGapMs)
            sendLevel();
        else
            m_levelDue.start(static_cast<int>(kLevelGapMs - waited));
    }
}

void OscLink::sendLevel()
{
    if (m_told.level == m_levelSent)
        return;
    m_levelSent = m_told.level;
    m_sinceLevel.start();
    send(oscLevelMessage(m_levelSent));
}

void OscLink::sendTest() { send(oscTestMessage()); }

void OscLink::send(const OscMessage& message)
{
    const int sent = m_outbox->send(message);
    if (sent == 0)
        return;
    m_counts.out += sent;
    emit countsChanged();
}
