// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The print module: the printer and Qt's print dialog behind the plain entry point the main
// window loads for File > Print....

#include "widgets/PrintService.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace {

bool askPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

extern "C" Q_DECL_EXPORT PrintOutcome ovatronPrintPages(QWidget* parent, const SetUpPrinter& setUp,
                                                        const PaintPages& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const bool ready = setUp ? setUp(parent, printer) : askPrintDialog(parent, printer);
    if (!ready)
        return PrintOutcome::Cancelled;
    return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
