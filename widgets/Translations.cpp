// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
// Where the build puts the program's compiled translations: ovatron_<language>.qm.
const char kProgramTranslations[] = ":/translations";
}  // namespace

Translations::Translations(const QLocale& locale)
{
    m_programLoaded = m_program.load(locale, QStringLiteral("ovatron"), QStringLiteral("_"),
                                     QString::fromLatin1(kProgramTranslations)) &&
                      QCoreApplication::installTranslator(&m_program);
    m_qtLoaded = m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}
