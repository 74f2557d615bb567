// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace ovatron::test {
namespace {

QTemporaryDir& temporaryHome()
{
    static QTemporaryDir dir;
    return dir;
}

class FreshSettings : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { clearSettings(); }
};

}  // namespace

QString configHome()
{
    return temporaryHome().path();
}

QString settingsFile()
{
    return configHome() + QStringLiteral("/Ovatron/Ovatron.conf");
}

void clearSettings()
{
    QDir dir(configHome() + QStringLiteral("/Ovatron"));
    if (dir.exists()) {
        // A test may have made the folder read-only; give the rights back before removing it.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dir.removeRecursively();
    }
}

void prepare(int& argc, char** argv)
{
    const QByteArray home = configHome().toLocal8Bit();
    setenv("XDG_CONFIG_HOME", home.constData(), 1);
    setenv("HOME", home.constData(), 1);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
}

}  // namespace ovatron::test
