// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRFileInfo.h"

#include "brio/BRStringQt.h"

#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace brio {

bool BRFileInfo::isFile(const BRString& path)
{
    if (path.empty())
        return false;
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::path(path.toUtf8()), error);
    return !error && std::filesystem::is_regular_file(status);
}

bool BRFileInfo::folderTakesNewFiles(const BRString& folder)
{
    QTemporaryFile probe(toQString(folder) + QStringLiteral("/.probe.XXXXXX"));
    return probe.open();
}

}  // namespace brio
