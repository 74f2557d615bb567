// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "osc/OscOutbox.h"

#include <QHostInfo>

#include <lo/lo.h>

#include <cstdlib>

OscOutbox::OscOutbox(const std::vector<OscTarget>& targets, QObject* parent) : QObject(parent)
{
    m_places.reserve(targets.size());
    for (const OscTarget& target : targets) {
        const std::size_t index = m_places.size();
        m_places.push_back(Place{QHostAddress(target.host), target.port});
        if (target.host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
            m_places[index].address = QHostAddress(QHostAddress::LocalHost);
        if (!m_places[index].address.isNull())
            continue;
        QHostInfo::lookupHost(target.host, this, [this, index](const QHostInfo& found) {
            if (!found.addresses().isEmpty())
                m_places[index].address = found.addresses().constFirst();
        });
    }
}

int OscOutbox::send(const OscMessage& message)
{
    const QByteArray datagram = oscDatagram(message);
    int sent = 0;
    for (const Place& place : m_places) {
        if (!place.address.isNull() && m_socket.writeDatagram(datagram, place.address, place.port) > 0)
            ++sent;
    }
    return sent;
}

QByteArray oscDatagram(const OscMessage& message)
{
    lo_message built = lo_message_new();
    for (const OscArgument& argument : message.arguments) {
        if (const auto* number = std::get_if<std::int32_t>(&argument))
            lo_message_add_int32(built, *number);
        else
            lo_message_add_string(built, std::get<QString>(argument).toUtf8().constData());
    }
    std::size_t size = 0;
    void* data = lo_message_serialise(built, message.path.constData(), nullptr, &size);
    QByteArray datagram(static_cast<const char*>(data), static_cast<qsizetype>(size));
    std::free(data);
    lo_message_free(built);
    return datagram;
}
