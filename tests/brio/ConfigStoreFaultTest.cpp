// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings written while their disk refuses: the old file stays as it was, a failed set is
// forgotten, and the store tells of each outage once. The full and read-only disks are real,
// a small tmpfs of the test's own.
#include "brio/BRAppConfig.h"
#include "brio/BRStringQt.h"
#include "support/PrivateTmpfs.h"
#include "support/SettingsFileAccess.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStringList>

using brio::BRAppConfig;
using brio::BRRegistryHive;
using brio::BRString;
using namespace ovatron::test;

namespace {

constexpr BRRegistryHive kUser = BRRegistryHive::User;
constexpr qint64 kDiskBytes = 256 * 1024;

// A store as the program has it, that notes the paths it is told of.
class WatchedStore : public BRAppConfig {
public:
    WatchedStore()
    {
        init("Ovatron");
        setWriteFailureHandler([this](const BRString& path) { told << brio::toQString(path); });
    }
    QStringList told;
};

QString configFolder()
{
    return QFileInfo(settingsFile()).path();
}

enum class Breakage { Full, ReadOnly };

bool breakDisk(PrivateTmpfs& disk, Breakage breakage)
{
    return breakage == Breakage::Full ? disk.fill() : disk.setReadOnly(true);
}

bool mendDisk(PrivateTmpfs& disk, Breakage breakage)
{
    return breakage == Breakage::Full ? disk.makeRoom() : disk.setReadOnly(false);
}

class SettingsOnABrokenDisk : public testing::TestWithParam<Breakage> {};

TEST_P(SettingsOnABrokenDisk, KeepTheOldFileAreToldOnceAndForgetTheFailedSets)
{
    PrivateTmpfs disk(configFolder(), kDiskBytes);
    if (!disk.failure().isEmpty())
        GTEST_SKIP() << disk.failure().toStdString();
    WatchedStore store;
    store.setRegistryInteger("", "FontSize", 105, kUser);
    const QByteArray before = readSettingsFile();
    ASSERT_TRUE(before.contains("FontSize=105")) << before.constData();

    ASSERT_TRUE(breakDisk(disk, GetParam()));
    store.setRegistryInteger("", "FontSize", 120, kUser);
    store.setRegistryString("", "FontName", "Arial", kUser);
    EXPECT_EQ(readSettingsFile(), before);
    EXPECT_EQ(store.told, QStringList{settingsFile()});
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 0, kUser), 105);

    // Room again: the next set is stored beside the old values, not the failed ones.
    ASSERT_TRUE(mendDisk(disk, GetParam()));
    store.setRegistryInteger("", "FontStyle", 2, kUser);
    const QByteArray after = readSettingsFile();
    EXPECT_TRUE(after.contains("FontSize=105")) << after.constData();
    EXPECT_TRUE(after.contains("FontStyle=2")) << after.constData();
    EXPECT_FALSE(after.contains("Arial")) << after.constData();
    QStringList files = QDir(configFolder()).entryList(QDir::Files);
    files.removeAll(QStringLiteral("filler"));
    EXPECT_EQ(files, QStringList{QStringLiteral("Ovatron.conf")});
    EXPECT_EQ(store.told.size(), 1);

    // A new outage after a set that worked is told again.
    ASSERT_TRUE(breakDisk(disk, GetParam()));
    store.setRegistryInteger("", "FontStyle", 3, kUser);
    EXPECT_EQ(store.told.size(), 2);
    EXPECT_TRUE(readSettingsFile().contains("FontStyle=2"));
    ASSERT_TRUE(mendDisk(disk, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Disks, SettingsOnABrokenDisk,
                         testing::Values(Breakage::Full, Breakage::ReadOnly),
                         [](const testing::TestParamInfo<Breakage>& info) {
                             return info.param == Breakage::Full ? "Full" : "ReadOnly";
                         });

// Without a tmpfs: a folder where the file belongs refuses every write, wherever tests run.
TEST(SettingsWriteFailure, IsToldOncePerOutageAndNotWhenTheStoreIsClosed)
{
    ASSERT_TRUE(QDir().mkpath(settingsFile()));
    WatchedStore store;
    for (int size = 100; size < 110; ++size)
        store.setRegistryInteger("", "FontSize", size, kUser);
    EXPECT_EQ(store.told, QStringList{settingsFile()});

    ASSERT_TRUE(QDir(settingsFile()).removeRecursively());
    store.setRegistryString("", "FontName", "Arial", kUser);
    ASSERT_TRUE(QDir().mkpath(configFolder()));
    ASSERT_TRUE(QFile::remove(settingsFile()));
    ASSERT_TRUE(QDir().mkpath(settingsFile()));
    store.setRegistryString("", "FontName", "Verdana", kUser);
    EXPECT_EQ(store.told.size(), 2);

    // A set that reaches no store (an empty name) neither fails nor ends the outage.
    store.setRegistryInteger("", "", 1, kUser);
    store.setRegistryInteger("", "FontSize", 1, kUser);
    EXPECT_EQ(store.told.size(), 2);
    ASSERT_TRUE(QDir(settingsFile()).removeRecursively());
}

}  // namespace
