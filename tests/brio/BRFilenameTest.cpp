// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRFileInfo.h"
#include "brio/BRFilename.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

namespace brio::test {
namespace {

// --- BRFilename ---

TEST(BRFilenameTest, ConcatPathsJoinsWithOneSeparator)
{
    EXPECT_EQ(BRFilename::concatPaths("/opt/ovatron", "help"), BRString("/opt/ovatron/help"));
    EXPECT_EQ(BRFilename::concatPaths("/opt/ovatron/", "help"), BRString("/opt/ovatron/help"));
    EXPECT_EQ(BRFilename::concatPaths("/opt/ovatron", "/help"), BRString("/opt/ovatron/help"));
    EXPECT_EQ(BRFilename::concatPaths("/opt/ovatron//", "//help"), BRString("/opt/ovatron/help"));
    EXPECT_EQ(BRFilename::concatPaths("/", "help", BRFilename::Native), BRString("/help"));
    EXPECT_EQ(BRFilename::concatPaths("help", "index.html"), BRString("help/index.html"));
}

TEST(BRFilenameTest, ConcatPathsWithAnEmptySideGivesTheOther)
{
    EXPECT_EQ(BRFilename::concatPaths("", "product.bcf"), BRString("product.bcf"));
    EXPECT_EQ(BRFilename::concatPaths("/usr/bin", ""), BRString("/usr/bin"));
    EXPECT_TRUE(BRFilename::concatPaths("", "").empty());
}

TEST(BRFilenameTest, DirnameIsThePathWithoutItsLastPart)
{
    EXPECT_EQ(BRFilename::dirname("/a/b/c"), BRString("/a/b"));
    EXPECT_EQ(BRFilename::dirname("/a/b/c/"), BRString("/a/b"));
    EXPECT_EQ(BRFilename::dirname("/a//b"), BRString("/a"));
    EXPECT_EQ(BRFilename::dirname("a/b"), BRString("a"));
    EXPECT_EQ(BRFilename::dirname(u"/m\u00fcsik/\u00e9"), BRString(u"/m\u00fcsik"));
}

TEST(BRFilenameTest, DirnameAtTheRootAndWithoutAFolder)
{
    EXPECT_EQ(BRFilename::dirname("/a"), BRString("/"));
    EXPECT_EQ(BRFilename::dirname("/"), BRString("/"));
    EXPECT_EQ(BRFilename::dirname("//"), BRString("/"));
    EXPECT_TRUE(BRFilename::dirname("c").empty());
    EXPECT_TRUE(BRFilename::dirname("").empty());
    EXPECT_EQ(BRFilename::concatPaths(BRFilename::dirname("c"), "help"), BRString("help"));
}

// --- BRFileInfo ---

class BRFileInfoTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::filesystem::path root() const { return folder.path().toStdString(); }

    BRString pathOf(const std::filesystem::path& path) const
    {
        return BRString::fromUtf8(path.string());
    }

    void createFile(const std::filesystem::path& path) const
    {
        std::ofstream(path) << "x";
        ASSERT_TRUE(std::filesystem::is_regular_file(path));
    }

    QTemporaryDir folder;
};

TEST_F(BRFileInfoTest, ExistingRegularFileIsAFile)
{
    createFile(root() / "index.html");
    EXPECT_TRUE(BRFileInfo::isFile(pathOf(root() / "index.html")));
}

TEST_F(BRFileInfoTest, FileWithANonAsciiNameIsFound)
{
    const std::filesystem::path named = root() / "m\xc3\xbcsik \xf0\x9f\x98\x80.html";
    createFile(named);
    EXPECT_TRUE(BRFileInfo::isFile(BRFilename::concatPaths(
        pathOf(root()), BRString(u"m\u00fcsik \U0001F600.html"))));
}

TEST_F(BRFileInfoTest, LinkToAFileCountsAsAFile)
{
    createFile(root() / "target");
    std::filesystem::create_symlink(root() / "target", root() / "link");
    EXPECT_TRUE(BRFileInfo::isFile(pathOf(root() / "link")));
    std::filesystem::create_symlink(root() / "missing", root() / "dangling");
    EXPECT_FALSE(BRFileInfo::isFile(pathOf(root() / "dangling")));
}

TEST_F(BRFileInfoTest, FoldersAndMissingPathsAreNotFiles)
{
    std::filesystem::create_directory(root() / "help");
    EXPECT_FALSE(BRFileInfo::isFile(pathOf(root() / "help")));
    EXPECT_FALSE(BRFileInfo::isFile(pathOf(root() / "absent.html")));
    EXPECT_FALSE(BRFileInfo::isFile(pathOf(root() / "absent" / "deeper")));
    EXPECT_FALSE(BRFileInfo::isFile(BRString()));
}

TEST_F(BRFileInfoTest, OddPathsAreNotFilesAndDoNotThrow)
{
    EXPECT_FALSE(BRFileInfo::isFile(BRString(std::u16string(u"a\0b", 3))));
    EXPECT_FALSE(BRFileInfo::isFile(BRString(std::u16string(5000, u'x'))));
    EXPECT_FALSE(BRFileInfo::isFile(BRString(std::u16string{char16_t{0xD800}})));
}

}  // namespace
}  // namespace brio::test
