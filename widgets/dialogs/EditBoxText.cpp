// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/EditBoxText.h"

#include "brio/BRStringQt.h"

#include <QPlainTextEdit>

namespace {
constexpr QLatin1String kProgramLineBreak("\r\n");
constexpr QLatin1String kEditBoxLineBreak("\n");
}  // namespace

QString editBoxTextFromText(const brio::BRString& text)
{
    return brio::toQString(text).replace(kProgramLineBreak, kEditBoxLineBreak);
}

brio::BRString textFromEditBoxText(const QString& editBoxText)
{
    return brio::fromQString(QString(editBoxText).replace(kEditBoxLineBreak, kProgramLineBreak));
}

void exchangeEditBoxText(bool save, QPlainTextEdit* edit, brio::BRString& text)
{
    if (save)
        text = textFromEditBoxText(edit->toPlainText());
    else
        edit->setPlainText(editBoxTextFromText(text));
}
