// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RequestHandler.h"

#include <QByteArray>

// The bytes of an answer on the wire. Every answer is never cached, sends no referrer and names
// no server; keepAlive false closes the connection after it.
QByteArray httpAnswer(const RemoteReply& reply, bool keepAlive);
