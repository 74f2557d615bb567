// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/ModuleFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const char kModuleFolder[] = "../lib/ovatron";

}  // namespace

QString moduleFilePath(const char* fileName)
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("%1/%2").arg(QLatin1String(kModuleFolder),
                                                      QLatin1String(fileName)));
}

QFunctionPointer moduleEntry(const QString& path, const char* symbol, QString& error)
{
    QLibrary module(path);
    const QFunctionPointer entry = module.resolve(symbol);
    if (entry == nullptr)
        error = module.errorString();
    return entry;
}
