// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreMessages.h"

#include <QCoreApplication>
#include <QDir>

namespace StoreMessages {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

QString notSaving(const QString& reason)
{
    return QCoreApplication::translate("EventStore", "Results are not being saved: %1.")
        .arg(reason);
}

QString fileInUse()
{
    return QCoreApplication::translate("EventStore",
        "the results file is in use by another copy of Ovatron");
}

QString cannotWrite(const QString& path)
{
    return QCoreApplication::translate("EventStore", "%1 cannot be written").arg(shown(path));
}

QString newerVersion(const QString& path)
{
    return QCoreApplication::translate("EventStore", "%1 was written by a newer version of Ovatron")
        .arg(shown(path));
}

QString cannotRead(const QString& path)
{
    return QCoreApplication::translate("EventStore", "%1 cannot be read").arg(shown(path));
}

QString cannotReadNorMove(const QString& path)
{
    return QCoreApplication::translate("EventStore", "%1 cannot be read, nor renamed to keep it")
        .arg(shown(path));
}

QString folderNotCreated(const QString& folder)
{
    return QCoreApplication::translate("EventStore", "the folder %1 cannot be created")
        .arg(shown(folder));
}

QString diskFull()
{
    return QCoreApplication::translate("EventStore", "the disk is full");
}

QString failed(const QString& path, const QString& detail)
{
    return QCoreApplication::translate("EventStore", "%1 cannot be used (%2)")
        .arg(shown(path), detail);
}

QString movedAside(const QString& newPath)
{
    return QCoreApplication::translate("EventStore",
        "The results file could not be read; it was kept as %1 and a new one was started.")
        .arg(shown(newPath));
}

QString keptUntilWritable()
{
    return QCoreApplication::translate("EventStore",
        "Ovatron keeps them and saves them as soon as the disk takes them again.");
}

QString savingAgain()
{
    return QCoreApplication::translate("EventStore",
        "Results are being saved again; none of this event's results were lost.");
}

QString nothingStored()
{
    return QCoreApplication::translate("EventStore", "There are no stored results to export.");
}

QString unreadableCurves()
{
    return QCoreApplication::translate("EventStore",
        "Some stored curves of turns could not be read and are not shown; their scores are kept.");
}

QString unreadableJury()
{
    return QCoreApplication::translate("EventStore",
        "Some stored marks or set-ups of the jury could not be read and are left out.");
}

QString firstRoundName()
{
    return QCoreApplication::translate("EventStore", "Round 1");
}

}  // namespace StoreMessages
