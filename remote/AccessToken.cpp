// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/AccessToken.h"

#include <QRandomGenerator>

#include <array>

QString newAccessToken()
{
    std::array<quint32, 4> bits;
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    const QByteArray raw(reinterpret_cast<const char*>(bits.data()), sizeof bits);
    return QString::fromLatin1(raw.toHex());
}

bool sameToken(const QByteArray& offered, const QByteArray& token)
{
    // Every byte of the token is compared, whatever the offered length; a length that differs
    // is one more difference.
    unsigned difference = offered.size() == token.size() ? 0U : 1U;
    for (qsizetype index = 0; index < token.size(); ++index) {
        const char offeredByte = index < offered.size() ? offered.at(index) : '\0';
        difference |= static_cast<unsigned char>(offeredByte ^ token.at(index));
    }
    return !token.isEmpty() && difference == 0;
}
