// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/MessageBox.h"

#include "core/ProductConfig.h"

#include <QMessageBox>

int showWarningMessage(const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProductName), text, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::RichText);
    return box.exec();
}
