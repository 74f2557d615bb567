// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the help page is looked for, and what counts as a web address.
#include "core/HelpFiles.h"

#include "brio/BRAppConfig.h"
#include "brio/BRStringQt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using brio::BRString;
using brio::fromQString;

// Makes <folder>/help/<page> with a line of text in it.
void writeHelpPage(const QString& folder, const QString& page)
{
    const QString path = folder + QStringLiteral("/help/") + page;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>\n");
}

class HelpFileLookup : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.isValid() && program.isValid() && working.isValid());
        previousWorkingFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(working.path()));
        folders.installDirectory = fromQString(install.path());
        folders.programDirectory = fromQString(program.path());
    }

    void TearDown() override { QDir::setCurrent(previousWorkingFolder); }

    BRString find(const char* page = "index.html") const { return findHelpFile(page, folders); }

    static BRString pageIn(const QTemporaryDir& folder, const char* page = "index.html")
    {
        return fromQString(folder.path() + QStringLiteral("/help/") + QString::fromUtf8(page));
    }

    QTemporaryDir install;
    QTemporaryDir program;
    QTemporaryDir working;
    QString previousWorkingFolder;
    HelpFolders folders;
};

TEST_F(HelpFileLookup, TheInstallFolderWinsOverTheOthers)
{
    writeHelpPage(install.path(), "index.html");
    writeHelpPage(program.path(), "index.html");
    writeHelpPage(working.path(), "index.html");

    EXPECT_EQ(find(), pageIn(install));
}

TEST_F(HelpFileLookup, TheProgramFolderWinsOverTheWorkingFolder)
{
    writeHelpPage(program.path(), "index.html");
    writeHelpPage(working.path(), "index.html");

    EXPECT_EQ(find(), pageIn(program));
}

TEST_F(HelpFileLookup, TheWorkingFolderIsTriedLastAndGivesARelativePath)
{
    writeHelpPage(working.path(), "index.html");

    EXPECT_EQ(find(), BRString("help/index.html"));
}

TEST_F(HelpFileLookup, NoPageAnywhereGivesTheEmptyString)
{
    writeHelpPage(install.path(), "other.html");

    EXPECT_TRUE(find().empty());
}

TEST_F(HelpFileLookup, AFolderNamedLikeThePageIsNotAPage)
{
    ASSERT_TRUE(QDir().mkpath(install.path() + QStringLiteral("/help/index.html")));
    writeHelpPage(program.path(), "index.html");

    EXPECT_EQ(find(), pageIn(program));
}

TEST_F(HelpFileLookup, UnknownFoldersArePassedOver)
{
    writeHelpPage(working.path(), "index.html");
    writeHelpPage(program.path(), "index.html");
    folders.installDirectory = BRString();

    EXPECT_EQ(find(), pageIn(program));

    folders.programDirectory = BRString();
    EXPECT_EQ(find(), BRString("help/index.html"));
}

TEST_F(HelpFileLookup, PagesInSubfoldersOfTheHelpFolderAreFound)
{
    writeHelpPage(program.path(), "guide/keys.html");

    EXPECT_EQ(find("guide/keys.html"), pageIn(program, "guide/keys.html"));
}

TEST_F(HelpFileLookup, APageCannotClimbOutOfTheHelpFolder)
{
    // A file beside the help folder, reachable only through "..".
    QFile outside(install.path() + QStringLiteral("/secret.html"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    ASSERT_TRUE(QDir().mkpath(install.path() + QStringLiteral("/help")));

    EXPECT_TRUE(find("../secret.html").empty());
    EXPECT_TRUE(find("guide/../../secret.html").empty());
    EXPECT_TRUE(find("").empty());
}

TEST_F(HelpFileLookup, NamesWithCharactersBeyondAsciiAreFound)
{
    writeHelpPage(install.path(), QString::fromUtf8("Ü-Hilfe 李.html"));

    EXPECT_EQ(find("Ü-Hilfe 李.html"), pageIn(install, "Ü-Hilfe 李.html"));
}

// The user's languages pick a translated page: German and English in the install folder, French
// in the program's folder, Spanish only in the working folder.
TEST_F(HelpFileLookup, TheFirstLanguageWithAPageWinsAndEnglishIsThePageItself)
{
    for (const char* page : {"index.html", "de/index.html"})
        writeHelpPage(install.path(), page);
    writeHelpPage(program.path(), "fr/index.html");
    writeHelpPage(working.path(), "es/index.html");

    struct Case {
        QStringList languages;
        BRString expected;
    };
    const Case cases[] = {
        {{"de-DE"}, pageIn(install, "de/index.html")},
        {{"de"}, pageIn(install, "de/index.html")},
        {{"DE_at"}, pageIn(install, "de/index.html")},
        // The language comes first, the folder second.
        {{"fr-FR", "de-DE"}, pageIn(program, "fr/index.html")},
        {{"es", "de"}, BRString("help/es/index.html")},
        {{"it-IT", "pt", "de-CH"}, pageIn(install, "de/index.html")},
        {{"en-GB", "de-DE"}, pageIn(install)},
        {{"en"}, pageIn(install)},
        {{"it"}, pageIn(install)},
        {{}, pageIn(install)},
        // Nothing that is not a plain language code names a folder.
        {{"../de", "de/..", "fr/de", "", "C", "deutsch"}, pageIn(install)},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.languages.join(QLatin1Char(',')).toStdString());
        EXPECT_EQ(findLocalizedHelpFile("index.html", folders, test.languages), test.expected);
    }
}

TEST_F(HelpFileLookup, ATranslationFoundNowhereFallsBackToTheEnglishPage)
{
    writeHelpPage(program.path(), "index.html");
    writeHelpPage(install.path(), "de/other.html");

    EXPECT_EQ(findLocalizedHelpFile("index.html", folders, {"de-DE"}), pageIn(program));
    EXPECT_TRUE(findLocalizedHelpFile("missing.html", folders, {"de-DE"}).empty());
}

TEST_F(HelpFileLookup, ATranslatedPageCannotClimbOutOfTheHelpFolder)
{
    QFile outside(install.path() + QStringLiteral("/secret.html"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    writeHelpPage(install.path(), "de/index.html");

    EXPECT_TRUE(findLocalizedHelpFile("../../secret.html", folders, {"de"}).empty());
    EXPECT_TRUE(findLocalizedHelpFile("", folders, {"de"}).empty());
}

TEST(HelpFolders, TheStoreGivesTheInstallFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
    const brio::BRAppConfig config(fromQString(root.path() + QStringLiteral("/bin")));

    EXPECT_EQ(helpFoldersOf(config).installDirectory, fromQString(root.path() + QStringLiteral("/bin")));

    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/ovatron")));
    EXPECT_EQ(helpFoldersOf(config).installDirectory,
              fromQString(root.path() + QStringLiteral("/share/ovatron")));
}

TEST(HelpFolders, WithoutAnApplicationTheProgramFolderIsUnknown)
{
    const brio::BRAppConfig config;

    EXPECT_TRUE(helpFoldersOf(config).programDirectory.empty());
}

TEST(WebAddress, HttpAndHttpsAddressesAreWebAddresses)
{
    EXPECT_TRUE(isWebAddress("http://example.org/"));
    EXPECT_TRUE(isWebAddress("https://example.org/help/index.html"));
    EXPECT_TRUE(isWebAddress("HTTPS://EXAMPLE.ORG"));
    EXPECT_TRUE(isWebAddress("Http://example.org"));
}

TEST(WebAddress, PageNamesAndOtherSchemesAreNot)
{
    EXPECT_FALSE(isWebAddress("index.html"));
    EXPECT_FALSE(isWebAddress("http.html"));
    EXPECT_FALSE(isWebAddress("http:/example.org"));
    EXPECT_FALSE(isWebAddress("ftp://example.org"));
    EXPECT_FALSE(isWebAddress("file:///usr/share/ovatron/help/index.html"));
    EXPECT_FALSE(isWebAddress(" https://example.org"));
    EXPECT_FALSE(isWebAddress(""));
}

}  // namespace
