// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/EventLogoFile.h"

#include "store/StoreLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QLatin1String kCopyBase("event-logo");

}  // namespace

QString eventLogoPath(const QString& name)
{
    return dataFolder() + QLatin1Char('/') + name;
}

QString copyEventLogo(const QString& source, QString& problem)
{
    const QFileInfo original(source);
    const QString name = kCopyBase + QLatin1Char('.') + original.suffix().toLower();
    const QString target = eventLogoPath(name);
    if (original.absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return name;
    // Copied beside the target first, so that a failed copy leaves the earlier logo whole.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QDir().mkpath(dataFolder()) || !QFile::copy(source, partial)) {
        problem = QCoreApplication::translate("EventDialog", "%1 could not be copied into %2.")
                      .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(dataFolder()));
        return {};
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        problem = QCoreApplication::translate("EventDialog", "%1 could not be written.").arg(QDir::toNativeSeparators(target));
        return {};
    }
    return name;
}
