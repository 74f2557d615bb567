// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// File > Print... as the window sees it. The printer and the system's print dialog, with Qt
// Print Support, are a module of their own (libovatron_print.so), loaded the first time
// something is printed; export to PDF needs none of it (QPdfWriter is Qt Gui's).

// Sets the printer up; false when the operator cancels. An empty one opens Qt's print dialog.
using SetUpPrinter = std::function<bool(QWidget* parent, QPrinter& printer)>;
// Draws the pages onto the set-up printer; false when it cannot be painted on.
using PaintPages = std::function<bool(QPagedPaintDevice& device)>;

enum class PrintOutcome { Printed, Cancelled, Failed };

// The module's one entry point, by this name: an A4 printer at high resolution, set up by
// setUp and painted by paint.
using PrintPagesEntry = PrintOutcome (*)(QWidget* parent, const SetUpPrinter& setUp,
                                         const PaintPages& paint);
inline constexpr char kPrintPagesSymbol[] = "ovatronPrintPages";
inline constexpr char kPrintModuleFile[] = "libovatron_print.so";
