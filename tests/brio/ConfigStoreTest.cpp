// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRAppConfig.h"
#include "brio/BRStringQt.h"
#include "support/PrivateTmpfs.h"
#include "support/SettingsFileAccess.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <unistd.h>

using brio::BRAppConfig;
using brio::BRRegistryHive;
using brio::BRString;
using namespace ovatron::test;

namespace {

constexpr BRRegistryHive kUser = BRRegistryHive::User;

// A store as the program has it after start-up.
class OpenStore : public BRAppConfig {
public:
    OpenStore() { init("Ovatron"); }
};

// Permission bits do not keep root out, so tests that rely on them cannot run as root.
bool permissionsBindUs()
{
    return geteuid() != 0;
}

QString configFolder()
{
    return QFileInfo(settingsFile()).path();
}

}  // namespace

// --- Getting and setting ----------------------------------------------------------------

TEST(ConfigStore, EmptyStoreYieldsTheDefaults)
{
    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", -7, kUser), -7);
    EXPECT_EQ(store.getRegistryString("", "FontName", "Comic Sans MS", kUser),
              BRString("Comic Sans MS"));
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST(ConfigStore, IntegerIsReturnedInTheSameRun)
{
    OpenStore store;
    store.setRegistryInteger("", "FontSize", 105, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 105);
}

TEST(ConfigStore, ValuesSurviveIntoALaterRun)
{
    {
        OpenStore earlierRun;
        earlierRun.setRegistryInteger("", "width", -640, kUser);
        earlierRun.setRegistryString("", "FontName", "Arial Black", kUser);
    }
    ASSERT_TRUE(startLaterRun());
    OpenStore laterRun;
    EXPECT_EQ(laterRun.getRegistryInteger("", "width", 0, kUser), -640);
    EXPECT_EQ(laterRun.getRegistryString("", "FontName", "x", kUser), BRString("Arial Black"));
}

TEST(ConfigStore, EachSetIsOnDiskAtOnceUnderItsOwnNameAtTheTopLevel)
{
    OpenStore store;
    store.setRegistryInteger("", "xpos", 17, kUser);
    store.setRegistryString("", "FontName", "Verdana", kUser);
    EXPECT_EQ(readSettingsFile(), QByteArray("[General]\nFontName=Verdana\nxpos=17\n"));
}

// The file holds show control's token: nobody but its owner reads it, whether the first write
// makes it (and its folder) or finds it readable by all.
TEST(ConfigStore, FileAndTheFolderItMakesAreTheOwnersAlone)
{
    const auto mode = [](const QString& path) {
        constexpr auto kNotUser = QFileDevice::Permissions(0x7077);
        return QFile::permissions(path) & kNotUser;
    };
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (const bool existed : {false, true}) {
        QDir(configFolder()).removeRecursively();
        if (existed) {
            ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\n"));
            QFile::setPermissions(configFolder(), QFileDevice::Permissions(0x7055));
            QFile::setPermissions(settingsFile(), ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        }
        OpenStore store;
        store.setRegistryString("", "ShowControlToken", "0123", kUser);
        EXPECT_EQ(mode(settingsFile()), ownerOnly) << "existed: " << existed;
        if (!existed)
            EXPECT_EQ(mode(configFolder()), ownerOnly | QFileDevice::ExeOwner);
        EXPECT_TRUE(readSettingsFile().contains("ShowControlToken=0123"));
    }
}

// One store keeps no reading of its own: each get sees the file as it is now, even an edit
// from outside that keeps the file's size and lands within the same clock tick as the read.
TEST(ConfigStore, EachGetSeesTheFileAsItIsNow)
{
    OpenStore store;
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\n"));
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 105);
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=106\n"));
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 106);
    store.setRegistryInteger("", "FontName", 1, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 106);
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=107\n[broken\n"));
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    ASSERT_TRUE(QFile::remove(settingsFile()));
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
}

TEST(ConfigStore, LaterSetReplacesTheEarlierValue)
{
    OpenStore store;
    store.setRegistryInteger("", "state", 3, kUser);
    store.setRegistryInteger("", "state", 1, kUser);
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(OpenStore().getRegistryInteger("", "state", 0, kUser), 1);
}

TEST(ConfigStore, ColourAboveTheSignedRangeKeepsItsThirtyTwoBits)
{
    for (const std::uint32_t colour : {0xFFFFFFFFu, 0x80000000u, 0x00FFFFFFu}) {
        OpenStore().setRegistryInteger("", "BackgroundColor", static_cast<int>(colour), kUser);
        ASSERT_TRUE(startLaterRun());
        const int stored = OpenStore().getRegistryInteger("", "BackgroundColor", 0, kUser);
        EXPECT_EQ(static_cast<std::uint32_t>(stored), colour);
    }
}

TEST(ConfigStore, OddCharactersInATextRoundTrip)
{
    const BRString odd = BRString::fromUtf8("Ünï, \"côdé\"; a=b \\ [x] @y #z 文字");
    OpenStore().setRegistryString("", "FontName", odd, kUser);
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(OpenStore().getRegistryString("", "FontName", "x", kUser), odd);
}

TEST(ConfigStore, HugeTextRoundTrips)
{
    const BRString huge = brio::fromQString(QString(100000, QLatin1Char('w')));
    OpenStore().setRegistryString("", "FontName", huge, kUser);
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(OpenStore().getRegistryString("", "FontName", "x", kUser), huge);
}

TEST(ConfigStore, IntegerStoredAsTextOrTextAsIntegerIsReadByItsMeaning)
{
    OpenStore store;
    store.setRegistryString("", "FontSize", "120", kUser);
    store.setRegistryInteger("", "Count", 42, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 120);
    EXPECT_EQ(store.getRegistryString("", "Count", "x", kUser), BRString("42"));
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 120);
    EXPECT_EQ(OpenStore().getRegistryString("", "Count", "x", kUser), BRString("42"));
}

TEST(ConfigStore, NamedSectionIsKeptApartFromTheTopLevel)
{
    OpenStore store;
    store.setRegistryInteger("Window", "xpos", 5, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "xpos", -1, kUser), -1);
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(store.getRegistryInteger("", "xpos", -1, kUser), -1);
    EXPECT_EQ(OpenStore().getRegistryInteger("Window", "xpos", -1, kUser), 5);
}

TEST(ConfigStore, EmptyNameIsNeitherStoredNorFound)
{
    OpenStore store;
    store.setRegistryInteger("", "", 5, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "", -1, kUser), -1);
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST(ConfigStore, UnknownHiveReachesNothing)
{
    const auto otherHive = static_cast<BRRegistryHive>(2);
    OpenStore store;
    store.setRegistryInteger("", "xpos", 5, otherHive);
    EXPECT_FALSE(QFile::exists(settingsFile()));
    store.setRegistryInteger("", "xpos", 5, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "xpos", -1, otherHive), -1);
}

// --- Before init ------------------------------------------------------------------------

TEST(ConfigStoreBeforeInit, GetsYieldDefaultsEvenWhenValuesAreStored)
{
    OpenStore().setRegistryInteger("", "FontSize", 105, kUser);
    BRAppConfig unopened;
    EXPECT_EQ(unopened.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(unopened.getRegistryString("", "FontName", "d", kUser), BRString("d"));
}

TEST(ConfigStoreBeforeInit, SetsStoreNothing)
{
    BRAppConfig store;
    store.setRegistryInteger("", "FontSize", 105, kUser);
    store.setRegistryString("", "FontName", "Arial", kUser);
    EXPECT_FALSE(QFile::exists(settingsFile()));

    store.init("Ovatron");
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
}

TEST(ConfigStoreBeforeInit, EmptyProductNameLeavesTheSettingsClosed)
{
    BRAppConfig store;
    store.init("");
    store.setRegistryInteger("", "FontSize", 105, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_TRUE(QDir(configHome()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// --- Bad settings files -----------------------------------------------------------------

TEST(ConfigStoreBadFile, BinaryJunkGivesTheDefaults)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 131 + 7) % 256));
    ASSERT_TRUE(writeSettingsFile(junk));

    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(store.getRegistryString("", "FontName", "Comic Sans MS", kUser),
              BRString("Comic Sans MS"));
}

TEST(ConfigStoreBadFile, FormatErrorAnywhereDiscardsTheWholeFileForEveryRead)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\nFontName=Arial\n[broken\nx=1\n"));
    // Qt reports the error only on its first parse; later reads come from its memory.
    for (int run = 0; run < 2; ++run) {
        OpenStore store;
        for (int read = 0; read < 2; ++read) {
            EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
            EXPECT_EQ(store.getRegistryString("", "FontName", "Comic Sans MS", kUser),
                      BRString("Comic Sans MS"));
        }
    }
}

TEST(ConfigStoreBadFile, FormatErrorInAnotherSectionAlsoDiscardsTheFile)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\n[Other]\nno equals sign here\n"));
    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
}

TEST(ConfigStoreBadFile, SetOnAGarbledFileRewritesItReadably)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\n[broken\nx=1\n"));
    OpenStore store;
    ASSERT_EQ(store.getRegistryInteger("", "FontStyle", 1, kUser), 1);
    store.setRegistryInteger("", "FontStyle", 2, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "FontStyle", 1, kUser), 2);
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(OpenStore().getRegistryInteger("", "FontStyle", 1, kUser), 2);
}

TEST(ConfigStoreBadFile, TextWhereAnIntegerBelongsGivesTheDefault)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=large\nFontStyle=12abc\nxpos=\nypos=1.5\n"
                                  "width=0x20\nheight=7\n"));
    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(store.getRegistryInteger("", "FontStyle", 1, kUser), 1);
    EXPECT_EQ(store.getRegistryInteger("", "xpos", -3, kUser), -3);
    EXPECT_EQ(store.getRegistryInteger("", "ypos", -3, kUser), -3);
    EXPECT_EQ(store.getRegistryInteger("", "width", -3, kUser), -3);
    EXPECT_EQ(store.getRegistryInteger("", "height", -3, kUser), 7);
}

TEST(ConfigStoreBadFile, NumberOutsideTheIntegerRangeGivesTheDefault)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontColor=4294967295\nFontSize=-2147483649\n"
                                  "width=99999999999999999999999\n"));
    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontColor", 0, kUser), 0);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(store.getRegistryInteger("", "width", 0, kUser), 0);
}

TEST(ConfigStoreBadFile, ListWhereATextBelongsGivesTheDefault)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontName=Arial, Bold\n"));
    OpenStore store;
    EXPECT_EQ(store.getRegistryString("", "FontName", "Comic Sans MS", kUser),
              BRString("Comic Sans MS"));
}

TEST(ConfigStoreBadFile, SetAfterJunkIsStoredAndReadBackLater)
{
    ASSERT_TRUE(writeSettingsFile(QByteArray("\x01\xff[[[=\n\x00\x00=\xfe", 12)));
    OpenStore().setRegistryInteger("", "FontSize", 105, kUser);
    ASSERT_TRUE(startLaterRun());
    EXPECT_EQ(OpenStore().getRegistryInteger("", "FontSize", 240, kUser), 105);
}

TEST(ConfigStoreBadFile, UnreadableFileGivesTheDefaults)
{
    if (!permissionsBindUs())
        GTEST_SKIP() << "running as root: a file without read permission is still readable";
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\n"));
    ASSERT_TRUE(QFile::setPermissions(settingsFile(), QFileDevice::Permissions()));

    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    store.setRegistryInteger("", "FontSize", 120, kUser);
    QFile::setPermissions(settingsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readSettingsFile(), QByteArray("[General]\nFontSize=105\n"));
}

TEST(ConfigStoreBadFile, FolderInPlaceOfTheFileGivesDefaultsAndAbsorbsSets)
{
    ASSERT_TRUE(QDir().mkpath(settingsFile()));

    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
    EXPECT_EQ(store.getRegistryString("", "FontName", "Comic Sans MS", kUser),
              BRString("Comic Sans MS"));
    store.setRegistryInteger("", "FontSize", 120, kUser);
    store.setRegistryString("", "FontName", "Arial", kUser);
    EXPECT_TRUE(QFileInfo(settingsFile()).isDir());
    EXPECT_EQ(OpenStore().getRegistryInteger("", "FontSize", 240, kUser), 240);
}

// --- Serialized objects -------------------------------------------------------------------

namespace {

// A QVariantList whose count claims 0x60E00000 entries: 52 GB of QVariants, which Qt's own
// reader would try to allocate at once.
QByteArray hugeVariant()
{
    return "@Variant(" + QByteArray("\0\0\0\x09\x60\xe0\0\0", 8) + ')';
}

}  // namespace

TEST(ConfigStoreSerializedValue, HugeVariantInATinyFileGivesTheDefaults)
{
    const QByteArray file = "xy=" + hugeVariant();
    ASSERT_EQ(file.size(), 21);
    ASSERT_TRUE(writeSettingsFile(file));
    OpenStore store;
    EXPECT_EQ(store.getRegistryInteger("", "xy", 7, kUser), 7);
    EXPECT_EQ(store.getRegistryString("", "xy", "d", kUser), BRString("d"));
    EXPECT_EQ(readSettingsFile(), file);
}

TEST(ConfigStoreSerializedValue, IsReadAsAbsentAndKeptByALaterSet)
{
    const QByteArray serialized[] = {hugeVariant(), "@ByteArray(120)",
                                     "@Rect(1 2 3 4)", "@Size(5 6)", "@Point(7 8)",
                                     "@DateTime(\\0)", "Arial, @Variant(x)"};
    for (const QByteArray& value : serialized) {
        const QByteArray file =
            "[General]\nFontName=" + value + "\nFontSize=" + value + "\nFontStyle=2\n";
        ASSERT_TRUE(writeSettingsFile(file));
        ASSERT_TRUE(startLaterRun());
        OpenStore store;
        EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);
        EXPECT_EQ(store.getRegistryString("", "FontName", "Comic Sans MS", kUser),
                  BRString("Comic Sans MS"));
        EXPECT_EQ(store.getRegistryInteger("", "FontStyle", 1, kUser), 2);
        EXPECT_EQ(readSettingsFile(), file);

        store.setRegistryInteger("", "xpos", 5, kUser);
        const QByteArray written = readSettingsFile();
        EXPECT_TRUE(written.contains("\nFontName=" + value + "\n")) << written.toStdString();
        EXPECT_TRUE(written.contains("\nFontSize=" + value + "\n")) << written.toStdString();
        EXPECT_EQ(OpenStore().getRegistryInteger("", "xpos", 0, kUser), 5);
    }
}

// --- Stores that cannot be written --------------------------------------------------------

TEST(ConfigStoreReadOnly, ReadOnlyFolderKeepsTheOldFileIntact)
{
    if (!permissionsBindUs())
        GTEST_SKIP() << "running as root: a read-only folder is still writable";
    OpenStore().setRegistryInteger("", "FontSize", 105, kUser);
    const QByteArray before = readSettingsFile();
    ASSERT_FALSE(before.isEmpty());
    ASSERT_TRUE(QFile::setPermissions(configFolder(),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    OpenStore store;
    store.setRegistryInteger("", "FontSize", 120, kUser);
    store.setRegistryString("", "FontName", "Arial", kUser);

    EXPECT_EQ(readSettingsFile(), before);
    EXPECT_EQ(QDir(configFolder()).entryList(QDir::Files), QStringList{"Ovatron.conf"});
}

TEST(ConfigStoreReadOnly, FileInPlaceOfTheFolderMakesSetsFailQuietly)
{
    const QByteArray blocker("not a folder\n");
    // The fresh-store cleanup only removes folders, so this file goes by itself.
    const struct RemoveOnExit {
        ~RemoveOnExit() { QFile::remove(configFolder()); }
    } removeBlocker;
    {
        QFile file(configFolder());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(blocker), blocker.size());
    }

    OpenStore store;
    store.setRegistryInteger("", "FontSize", 120, kUser);
    store.setRegistryString("", "FontName", "Arial", kUser);

    QFile file(configFolder());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), blocker);
    EXPECT_EQ(OpenStore().getRegistryInteger("", "FontSize", 240, kUser), 240);
}

TEST(ConfigStoreReadOnly, FailedSetIsForgottenAndNeverStoredLater)
{
    ASSERT_TRUE(QDir().mkpath(settingsFile()));
    OpenStore store;
    store.setRegistryInteger("", "FontSize", 120, kUser);
    EXPECT_EQ(store.getRegistryInteger("", "FontSize", 240, kUser), 240);

    ASSERT_TRUE(QDir(settingsFile()).removeRecursively());
    store.setRegistryInteger("", "FontStyle", 2, kUser);
    EXPECT_EQ(OpenStore().getRegistryInteger("", "FontSize", 240, kUser), 240);
    const QByteArray onDisk = readSettingsFile();
    EXPECT_TRUE(onDisk.contains("FontStyle=2"));
    EXPECT_FALSE(onDisk.contains("FontSize"));
}

// --- Stores whose disk refuses: the old file stays, failed sets are forgotten, and each
// outage is told once. The full and read-only disks are real, a small tmpfs of the test's own.

namespace {

constexpr qint64 kDiskBytes = 256 * 1024;

// A store as the program has it, that notes the paths it is told of.
class WatchedStore : public OpenStore {
public:
    WatchedStore()
    {
        setWriteFailureHandler([this](const BRString& path) { told << brio::toQString(path); });
    }
    QStringList told;
};

enum class Breakage { Full, ReadOnly };

void PrintTo(Breakage breakage, std::ostream* out)
{
    *out << (breakage == Breakage::Full ? "a full disk" : "a read-only disk");
}

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

// --- Announcements -----------------------------------------------------------------------

// A set that changes the file is announced with the key and the text stored; one that stores
// what the file held, or is not stored at all, is not.
TEST(ConfigStoreAnnouncements, OnlyASetThatChangesTheFileIsAnnouncedWithWhatItStored)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=105\nFontName=Arial\n"));
    OpenStore store;
    BRAppConfig closed;
    QStringList heard;
    const auto hear = [&](const QString& key, const QString& text) { heard << key + '=' + text; };
    QObject::connect(&store, &BRAppConfig::valueChanged, hear);
    QObject::connect(&closed, &BRAppConfig::valueChanged, hear);
    store.setRegistryInteger("", "FontSize", 105, kUser);
    store.setRegistryString("", "FontName", "Arial", kUser);
    store.setRegistryInteger("", "xpos", 4, static_cast<BRRegistryHive>(2));
    closed.setRegistryInteger("", "FontSize", 1, kUser);
    EXPECT_EQ(heard, QStringList());
    store.setRegistryInteger("", "FontSize", -7, kUser);
    store.setRegistryString("", "CueDevice", "", kUser);
    store.setRegistryInteger("Window", "xpos", 3, kUser);
    EXPECT_EQ(heard, (QStringList{"FontSize=-7", "CueDevice=", "Window/xpos=3"}));
    heard.clear();
    ASSERT_TRUE(QFile::remove(settingsFile()) && QDir().mkpath(settingsFile()));  // unwritable
    store.setRegistryInteger("", "FontSize", 1, kUser);
    EXPECT_EQ(heard, QStringList());
}

// --- Folders ----------------------------------------------------------------------------

TEST(ConfigStoreFolders, AppDirectoryIsTheRunningProgramsFolderByDefault)
{
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    ASSERT_FALSE(program.isEmpty());
    EXPECT_EQ(brio::toQString(BRAppConfig().appDirectory()), QFileInfo(program).path());
}

TEST(ConfigStoreFolders, OverrideIsMadeAbsolute)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    EXPECT_EQ(brio::toQString(BRAppConfig(brio::fromQString(root.path() + "/bin/")).appDirectory()),
              root.path() + "/bin");
    EXPECT_EQ(brio::toQString(BRAppConfig("relative/bin").appDirectory()),
              QDir::current().absoluteFilePath("relative/bin"));
}
