// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/FontSubstitutes.h"

#include "core/settings/DisplaySettings.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace {

// A libre face drawn to match the default display face, letter for letter.
constexpr QLatin1StringView kDefaultFontLookalike("Comic Neue");

}  // namespace

void installFontSubstitutes()
{
    const QString face = QString::fromUtf8(kDefaultFontName);
    if (!QFontDatabase::hasFamily(face))
        QFont::insertSubstitution(face, kDefaultFontLookalike);
}
