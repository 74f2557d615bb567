// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/HttpAnswer.h"

#include <boost/beast/http/status.hpp>

QByteArray httpAnswer(const RemoteReply& reply, bool keepAlive)
{
    const auto reason = boost::beast::http::obsolete_reason(
        static_cast<boost::beast::http::status>(reply.status));
    QByteArray text = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' +
                      QByteArray(reason.data(), static_cast<qsizetype>(reason.size())) + "\r\n";
    const auto add = [&text](const QByteArray& name, const QByteArray& value) {
        text += name + ": " + value + "\r\n";
    };
    add("Content-Type", reply.contentType);
    add("Content-Length", QByteArray::number(reply.body.size()));
    add("Cache-Control", "no-store");
    add("Referrer-Policy", "no-referrer");
    add("X-Content-Type-Options", "nosniff");
    for (const auto& [name, value] : reply.headers)
        add(name, value);
    if (!keepAlive)
        add("Connection", "close");
    return text + "\r\n" + reply.body;
}
