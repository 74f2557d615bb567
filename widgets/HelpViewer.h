// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/HelpFiles.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// What showing help does to the outside world: open an address in the desktop's program for
// it, or tell the operator that the page is missing. Tests hand in their own.
struct HelpActions {
    std::function<void(const QUrl&)> open;
    std::function<void(const QString& message)> showMissing;
};

// The real ones: QDesktopServices::openUrl (an address that no program takes is passed over in
// silence) and a warning message box over the active window.
HelpActions desktopHelpActions();

// The message shown when no help page can be found, translated.
QString helpFileMissingMessage();

// A web address ("http://..." or "https://...") is opened as it is. Anything else is a help
// page looked up with findLocalizedHelpFile in the given folders, in the first of the languages
// that has it (the English page without any); a page that is found is opened as a local file,
// one that is not gives the message "Can't find help file".
void showHelpPage(const brio::BRString& page, const HelpFolders& folders,
                  const HelpActions& actions = desktopHelpActions(),
                  const QStringList& languages = QStringList());
