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

// A page is a name inside the help folder, perhaps in a subfolder of it; ".." would lead out.
bool staysInHelpFolder(const brio::BRString& page)
{
    if (page.empty())
        return false;
    const QStringList parts = brio::toQString(page).split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
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

bool isWebAddress(const brio::BRString& page)
{
    for (const char* scheme : kWebSchemes) {
        if (page.startsWith(scheme, brio::BRString::CaseInsensitive))
            return true;
    }
    return false;
}
