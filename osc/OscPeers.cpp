// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "osc/OscPeers.h"

namespace {

QStringList partsOf(const QString& text)
{
    QStringList parts;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    }
    return parts;
}

// An IPv4 sender on a dual-stack socket comes as ::ffff:a.b.c.d; compare it as a.b.c.d.
QHostAddress plain(const QHostAddress& address)
{
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(ipv4) : address;
}

}  // namespace

OscTargets parseOscTargets(const QString& text)
{
    OscTargets result;
    for (const QString& part : partsOf(text)) {
        const int colon = part.lastIndexOf(QLatin1Char(':'));
        bool number = false;
        const int port = colon > 0 ? part.mid(colon + 1).toInt(&number) : 0;
        QString host = colon > 0 ? part.left(colon) : QString();
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
            host = host.mid(1, host.size() - 2);
        if (!number || port < 1 || port > 65535 || host.isEmpty() || host.contains(QLatin1Char(' ')))
            result.unreadable.append(part);
        else
            result.targets.push_back(OscTarget{host, static_cast<quint16>(port)});
    }
    return result;
}

bool oscSenderAllowed(const QHostAddress& sender, const QString& allowFrom)
{
    const QHostAddress from = plain(sender);
    const QStringList listed = partsOf(allowFrom);
    if (listed.isEmpty())
        return from.isLoopback();
    for (const QString& address : listed) {
        const QHostAddress allowed(address);
        if (!allowed.isNull() && plain(allowed).isEqual(from))
            return true;
    }
    return false;
}

QStringList unreadableAllowList(const QString& allowFrom)
{
    QStringList unreadable;
    for (const QString& address : partsOf(allowFrom)) {
        if (QHostAddress(address).isNull())
            unreadable.append(address);
    }
    return unreadable;
}
