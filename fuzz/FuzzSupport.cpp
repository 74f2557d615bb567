// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

std::uint8_t FuzzInput::takeByte()
{
    return atEnd() ? 0 : m_data[m_pos++];
}

std::uint16_t FuzzInput::takeUnit()
{
    const std::uint16_t low = takeByte();
    return static_cast<std::uint16_t>(low | (takeByte() << 8));
}

QString FuzzInput::takeText(int maxUnits)
{
    const int units = maxUnits > 0 ? takeByte() % (maxUnits + 1) : 0;
    QString text;
    for (int i = 0; i < units && !atEnd(); ++i)
        text += QChar(takeUnit());
    return text;
}

QString FuzzInput::takeRemainingText()
{
    QString text;
    while (!atEnd())
        text += QChar(takeUnit());
    return text;
}

void ensureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    // Kept for the life of the process: Qt wants its arguments to outlive the application.
    static int argc = 1;
    static char name[] = "ovatron-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

const QString& scratchFolder()
{
    static const QTemporaryDir folder;
    static const QString path = [] {
        const QString root = folder.path();
        QDir().mkpath(root + QStringLiteral("/config"));
        QDir().mkpath(root + QStringLiteral("/data"));
        setenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")).constData(), 1);
        setenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")).constData(), 1);
        return root;
    }();
    return path;
}

void writeWholeFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fuzzFailure("cannot write the scratch file");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

void fuzzFailure(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
