// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/JuryRequest.h"
#include "remote/ShowState.h"

#include <QByteArray>
#include <QString>

#include <variant>

// The jury's requests read from their JSON bodies, and what a judge's page is told: plain
// functions, which RequestHandler calls once it knows who asks.

// The request of POST /api/jury, /api/jury/close, /api/jury/open or /api/mark (with the judge's
// token), or the reason its body cannot be one.
std::variant<QString, JuryRequest> juryRequestOf(const QString& path, const QByteArray& body,
                                                 const QString& judgeToken = {});

// GET /api/judge: the contestants open for marking, the latest first, each with the set-up she
// is marked under and the judge's own marks of her, and nothing of anyone else's.
QByteArray judgeViewJson(const ShowState& state, const QString& judge);

// The answer to a set-up: each judge's personal link on the host the request was sent to.
QByteArray judgeLinksJson(const JuryAnswer& answer, const QByteArray& host);
