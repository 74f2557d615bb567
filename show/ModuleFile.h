// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLibrary>
#include <QString>

// The program's modules (sound, show control, OSC, printing) live in lib/ovatron beside the
// program's folder, build/lib/ovatron in a build tree, where the program and the tests find
// them alike.
QString moduleFilePath(const char* fileName);

// Loads the module at path, once: it stays loaded for the rest of the run, since unloading
// Qt's own libraries while the process runs is not safe, and resolves its entry point symbol.
// Null, with the loader's reason in error, when either cannot be had.
QFunctionPointer moduleEntry(const QString& path, const char* symbol, QString& error);

// The same, typed as the entry point's pointer type.
template <typename Entry>
Entry moduleEntryOf(const QString& path, const char* symbol, QString& error)
{
    return reinterpret_cast<Entry>(moduleEntry(path, symbol, error));
}
