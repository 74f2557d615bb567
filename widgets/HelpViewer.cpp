// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/HelpViewer.h"

#include "brio/BRStringQt.h"
#include "widgets/dialogs/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>

HelpActions desktopHelpActions()
{
    HelpActions actions;
    actions.open = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    actions.showMissing = [](const QString& message) {
        showWarningMessage(message, QApplication::activeWindow());
    };
    return actions;
}

QString helpFileMissingMessage()
{
    return QCoreApplication::translate("HelpViewer", "Can't find help file");
}

void showHelpPage(const brio::BRString& page, const HelpFolders& folders,
                  const HelpActions& actions, const QStringList& languages)
{
    if (isWebAddress(page)) {
        actions.open(QUrl(brio::toQString(page)));
        return;
    }
    const brio::BRString path = findLocalizedHelpFile(page, folders, languages);
    if (path.empty()) {
        actions.showMissing(helpFileMissingMessage());
        return;
    }
    // A page found relative to the working folder is opened from there, not from wherever
    // the desktop's program happens to start.
    actions.open(QUrl::fromLocalFile(QFileInfo(brio::toQString(path)).absoluteFilePath()));
}
