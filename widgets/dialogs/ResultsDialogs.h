// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The choosers that File > Export Results... and File > Print... open. Tests replace them.
struct ResultsDialogs {
    // The file to export to (.csv or .pdf); empty when the operator cancels.
    std::function<QString(QWidget* parent)> chooseExportFile;
    // Sets the printer up; false when cancelled. Empty: Qt's print dialog, which the print
    // module opens (widgets/PrintService.h).
    std::function<bool(QWidget* parent, QPrinter& printer)> setUpPrinter;
};

// The real ones: a save-file dialog and Qt's print dialog (left to the print module).
ResultsDialogs standardResultsDialogs();
