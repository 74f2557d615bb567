// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QTranslator>

// The program's own translation and Qt's (its dialogs' buttons and the command line's texts),
// installed into the running application for as long as this lives. The language is the
// user's: LANGUAGE, LC_ALL, LC_MESSAGES or LANG, as QLocale reads them. Without a translation
// for that language the program speaks English.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether the program's own texts are translated (false for English).
    bool translated() const { return m_programLoaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};
