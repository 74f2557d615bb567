// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "brio/BRString.h"

#include <QStringList>

// The folders that may hold the program's "help" folder, best first. An empty one is unknown
// and left out of the search.
struct HelpFolders {
    brio::BRString installDirectory;  // the installed copy's shared data
    brio::BRString programDirectory;  // the folder of the running program
};

// The shared-data folder of an installed copy (<appDirectory>/../share/ovatron) when there is
// one, otherwise appDirectory itself: a build tree and a relocated install both work.
brio::BRString installedDataDirectory(const brio::BRString& appDirectory);

// The folders of this run: the store's install directory and the folder of the running
// program (unknown while no application object exists).
HelpFolders helpFoldersOf(const brio::BRAppConfig& config);

// The path of the help page `page`, tried in this order: <installDirectory>/help/<page>,
// <programDirectory>/help/<page>, then help/<page> relative to the working folder. The first
// that names an existing regular file wins; none gives the empty string. An empty page, or one
// that would climb out of the help folder through "..", is never found.
brio::BRString findHelpFile(const brio::BRString& page, const HelpFolders& folders);

// The help page `page` in the first of the user's languages that has one, best language first
// (as QLocale::uiLanguages gives them: "de-DE", "fr", "en-GB"). A language's page is
// help/<language>/<page>, where <language> is the tag's language part in lower case ("de"),
// looked up with findHelpFile in every folder before the next language is tried. English is
// the page itself: a language list that reaches English before any translated page, or that
// has none, gives findHelpFile(page, folders). Tags whose language part is not two or three
// ASCII letters are passed over.
brio::BRString findLocalizedHelpFile(const brio::BRString& page, const HelpFolders& folders,
                                     const QStringList& languages);

// True when the text begins with "http://" or "https://", in any letter case.
bool isWebAddress(const brio::BRString& page);
