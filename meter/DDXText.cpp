#include "meter/DDXText.h"

#include "brio/BRStringQt.h"

#include <QPlainTextEdit>

namespace {
const QString kProgramLineBreak = QStringLiteral("\r\n");
const QString kEditBoxLineBreak = QStringLiteral("\n");
}  // namespace

QString editBoxTextFromText(const brio::BRString& text)
{
    return brio::toQString(text).replace(kProgramLineBreak, kEditBoxLineBreak);
}

brio::BRString textFromEditBoxText(const QString& editBoxText)
{
    return brio::fromQString(QString(editBoxText).replace(kEditBoxLineBreak, kProgramLineBreak));
}

void DDX_Text(bool save, QPlainTextEdit* edit, brio::BRString& text)
{
    if (save)
        text = textFromEditBoxText(edit->toPlainText());
    else
        edit->setPlainText(editBoxTextFromText(text));
}
