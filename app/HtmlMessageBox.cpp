#include "app/HtmlMessageBox.h"

#include "app/ProductConfig.h"

#include <QMessageBox>

namespace {
constexpr unsigned kIconMask = 0xF0;

QMessageBox::Icon iconOf(unsigned style)
{
    switch (style & kIconMask) {
    case kMessageIconError:
        return QMessageBox::Critical;
    case kMessageIconQuestion:
        return QMessageBox::Question;
    case kMessageIconWarning:
        return QMessageBox::Warning;
    case kMessageIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
}  // namespace

int HtmlMessageBox(const QString& text, unsigned style, unsigned /*helpId*/,
                   double /*timeoutSeconds*/, QWidget* parent)
{
    QMessageBox box(iconOf(style), QString::fromUtf8(kProductName), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::RichText);
    return box.exec();
}
