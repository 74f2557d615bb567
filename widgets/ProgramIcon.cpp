#include "widgets/ProgramIcon.h"

#include <QApplication>

namespace {
constexpr int kIconSizes[] = {16, 32, 48, 64, 96, 128, 256};
}  // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icon/ovatron-%1.png").arg(size), QSize(size, size));
    return icon.isNull() ? QApplication::windowIcon() : icon;
}
