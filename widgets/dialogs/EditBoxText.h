// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"

#include <QString>

class QPlainTextEdit;

// The exchange of a text with a multi-line edit box. The program's texts separate lines with
// carriage return and line feed; the edit box separates them with line feed alone.

// The text as the edit box shows it: every "\r\n" becomes "\n".
QString editBoxTextFromText(const brio::BRString& text);

// The edit box's contents as the program keeps them: every "\n" becomes "\r\n".
brio::BRString textFromEditBoxText(const QString& editBoxText);

// save false: the text goes into the edit box; save true: the edit box's contents come back
// into the text.
void exchangeEditBoxText(bool save, QPlainTextEdit* edit, brio::BRString& text);
