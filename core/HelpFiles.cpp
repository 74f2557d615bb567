// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/HelpFiles.h"

#include "brio/BRFileInfo.h"
#include "brio/BRFilename.h"
#include "brio/BRStringQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <vector>

namespace {
const char kHelpFolder[] = "help";
// Relative to the program's folder, where an installed copy keeps its shared data.
const char kInstalledDataFolder[] = "/../share/ovatron";
const char* const kWebSchemes[] = {"http://", "https://"};
// The language of the page at the top of the help folder; translations live in subfolders.
const char kUntranslatedLanguage[] = "en";
const qsizetype kShortestLanguageCode = 2;
const qsizetype kLongestLanguageCode = 3;

// A page is a name inside the help folder, perhaps in a subfolder of it; ".." would lead out.
bool staysInHelpFolder(const brio::BRString& page)
{
    if (page.empty())
        return false;
    const QStringList parts = brio::toQString(page).split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

// "de-DE", "de_DE" and "DE" all give "de"; anything that is not a plain ISO 639 code gives the
// empty string, so that no tag can name a folder outside the help folder.
QString languageFolder(const QString& tag)
{
    const QString language =
        tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (language.size() < kShortestLanguageCode || language.size() > kLongestLanguageCode)
        return QString();
    for (const QChar letter : language) {
        if (letter < QLatin1Char('a') || letter > QLatin1Char('z'))
            return QString();
    }
    return language;
}

brio::BRString helpPath(const brio::BRString& folder, const brio::BRString& page)
{
    using brio::BRFilename;
    return BRFilename::concatPaths(BRFilename::concatPaths(folder, kHelpFolder), page);
}
}  // namespace

brio::BRString installedDataDirectory(const brio::BRString& appDirectory)
{
    const QString installed =
        QDir::cleanPath(brio::toQString(appDirectory) + QLatin1String(kInstalledDataFolder));
    if (QFileInfo(installed).isDir())
        return brio::fromQString(installed);
    return appDirectory;
}

HelpFolders helpFoldersOf(const brio::BRAppConfig& config)
{
    HelpFolders folders;
    folders.installDirectory = installedDataDirectory(config.appDirectory());
    // Without an application object Qt cannot tell the program's path; that folder is then
    // left out of the search.
    if (QCoreApplication::instance())
        folders.programDirectory = brio::BRFilename::dirname(
            brio::fromQString(QCoreApplication::applicationFilePath()));
    return folders;
}

brio::BRString findHelpFile(const brio::BRString& page, const HelpFolders& folders)
{
    if (!staysInHelpFolder(page))
        return brio::BRString();
    // A folder that is not known (empty) is passed over rather than read as the working
    // folder, which keeps its own place at the end.
    std::vector<brio::BRString> candidates;
    for (const brio::BRString* folder : {&folders.installDirectory, &folders.programDirectory}) {
        if (!folder->empty())
            candidates.push_back(helpPath(*folder, page));
    }
    candidates.push_back(helpPath(brio::BRString(), page));

    for (const brio::BRString& candidate : candidates) {
        if (brio::BRFileInfo::isFile(candidate))
            return candidate;
    }
    return brio::BRString();
}

brio::BRString findLocalizedHelpFile(const brio::BRString& page, const HelpFolders& folders,
                                     const QStringList& languages)
{
    for (const QString& tag : languages) {
        const QString language = languageFolder(tag);
        if (language.isEmpty())
            continue;
        if (language == QLatin1String(kUntranslatedLanguage))
            break;
        const brio::BRString translated = findHelpFile(
            brio::fromQString(language + QLatin1Char('/') + brio::toQString(page)), folders);
        if (!translated.empty())
            return translated;
    }
    return findHelpFile(page, folders);
}

bool isWebAddress(const brio::BRString& page)
{
    for (const char* scheme : kWebSchemes) {
        if (page.startsWith(scheme, brio::BRString::CaseInsensitive))
            return true;
    }
    return false;
}
