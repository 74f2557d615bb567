// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The one-line reasons the operator sees about the results file, translated.
namespace StoreMessages {

// "Results are not being saved: " followed by the reason.
QString notSaving(const QString& reason);

QString fileInUse();
QString cannotWrite(const QString& path);
QString newerVersion(const QString& path);
QString cannotRead(const QString& path);
QString cannotReadNorMove(const QString& path);
QString folderNotCreated(const QString& folder);
QString diskFull();
QString failed(const QString& path, const QString& detail);
QString movedAside(const QString& newPath);
// Said after a write failure during the show: the results wait in memory.
QString keptUntilWritable();
// Writes work again after a failure, and what waited meanwhile is stored.
QString savingAgain();
QString nothingStored();
// Said once on resume when stored curves of turns could not be read.
QString unreadableCurves();
// Stored set-ups or marks of the jury that could not be read (StoredJury::unreadable).
QString unreadableJury();
// The first round's name until the operator renames it, and that of a file of the layout
// before rounds.
QString firstRoundName();

}  // namespace StoreMessages
