// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

enum class UnsavedResultsAnswer { Export, CloseWithoutSaving, Cancel };

// Asked on the way out when the results disk refuses what waits in memory: "Export
// Results..." (the default), "Close Without Saving", or "Cancel" (also Escape and the close
// box), which keeps the program open.
UnsavedResultsAnswer askAboutUnsavedResults(QWidget* parent);
