// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A new access token: 128 bits from the system's random generator, as 32 hex digits.
QString newAccessToken();

// Whether offered is the token, taking the same time wherever the two first differ, so that
// the time of a refusal tells nothing about the token.
bool sameToken(const QByteArray& offered, const QByteArray& token);
