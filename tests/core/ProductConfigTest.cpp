// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AppConfig.h"
#include "core/ProductConfig.h"
#include "brio/BRAppConfig.h"
#include "brio/BRStringQt.h"
#include "brio/BRValue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using brio::BRAppConfig;
using brio::BRString;
using brio::BRValue;

namespace {

// A program folder two levels below a temporary root, so that the folder above it is ours too.
class ProductConfigTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir().mkpath(programFolder()));
    }

    QString parentFolder() const { return m_root.path() + "/ovatron"; }
    QString programFolder() const { return parentFolder() + "/bin"; }
    BRString programDirectory() const { return brio::fromQString(programFolder()); }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static void expectBuiltInRecord(const brio::BRAppInfo& info)
    {
        EXPECT_EQ(info.title(), BRString("Ovatron Project Ovatron"));
        EXPECT_EQ(info.majorVersion(), 1);
        EXPECT_EQ(info.minorVersion(), 0);
        EXPECT_EQ(info.revision(), 8);
        EXPECT_EQ(info.build(), 114);
    }

private:
    QTemporaryDir m_root;
};

}  // namespace

// --- Building the program's store -------------------------------------------------------

TEST_F(ProductConfigTest, WithoutAProductFileTheBuiltInRecordStands)
{
    AppConfig config(programDirectory());
    buildProductConfig(config);
    expectBuiltInRecord(config.productInfo());
}

TEST_F(ProductConfigTest, BuiltInValuesNameTheMaker)
{
    AppConfig config(programDirectory());
    buildProductConfig(config);
    EXPECT_EQ(config.getProductString("PRODUCT_NAME"), BRString("Ovatron"));
    EXPECT_EQ(config.getProductString("PRODUCT_TITLE"), BRString("Ovatron Project Ovatron"));
    EXPECT_EQ(config.getProductString("PRODUCT_COMPANY"), BRString("Ovatron Project"));
    EXPECT_EQ(config.getProductString("PRODUCT_COMPANY_URL"),
              BRString("https://ovatron.example.org/"));
    EXPECT_EQ(config.getProductString("PRODUCT_SUPPORT_NAME"),
              BRString("Ovatron Project Technical Support"));
    EXPECT_EQ(config.getProductString("PRODUCT_SUPPORT_URL"),
              BRString("https://ovatron.example.org/support/"));
    EXPECT_EQ(config.getProductInt32("PRODUCT_BUILD"), 114);
}

TEST_F(ProductConfigTest, ProductFileInTheProgramFolderWinsOverTheOneAbove)
{
    writeFile(programFolder() + "/product.bcf", "PRODUCT_TITLE=Beside\nPRODUCT_BUILD=200\n");
    writeFile(parentFolder() + "/product.bcf", "PRODUCT_TITLE=Above\nPRODUCT_BUILD=300\n");

    AppConfig config(programDirectory());
    buildProductConfig(config);
    EXPECT_EQ(config.productInfo().title(), BRString("Beside"));
    EXPECT_EQ(config.productInfo().build(), 200);
}

TEST_F(ProductConfigTest, ProductFileAboveIsUsedWhenTheProgramFolderHasNone)
{
    writeFile(parentFolder() + "/product.bcf", "PRODUCT_TITLE=Above\nPRODUCT_REVISION=9\n");

    AppConfig config(programDirectory());
    buildProductConfig(config);
    EXPECT_EQ(config.productInfo().title(), BRString("Above"));
    EXPECT_EQ(config.productInfo().revision(), 9);
    EXPECT_EQ(config.productInfo().build(), 114);
}

TEST_F(ProductConfigTest, FolderNamedLikeTheProductFileIsPassedOver)
{
    ASSERT_TRUE(QDir().mkpath(programFolder() + "/product.bcf"));
    writeFile(parentFolder() + "/product.bcf", "PRODUCT_TITLE=Above\n");
    EXPECT_EQ(brio::toQString(findProductFile(programDirectory())),
              parentFolder() + "/product.bcf");
}

TEST_F(ProductConfigTest, NoProductFileAnywhereIsFoundAsNone)
{
    EXPECT_TRUE(findProductFile(programDirectory()).empty());
}

TEST_F(ProductConfigTest, GarbledProductFileKeepsTheBuiltInRecord)
{
    QByteArray junk;
    for (int i = 0; i < 2048; ++i)
        junk.append(static_cast<char>((i * 97 + 13) % 256));
    writeFile(programFolder() + "/product.bcf", junk);

    AppConfig config(programDirectory());
    buildProductConfig(config);
    expectBuiltInRecord(config.productInfo());
}

TEST_F(ProductConfigTest, LinesReadBeforeAFormatErrorStillCount)
{
    writeFile(programFolder() + "/product.bcf", "PRODUCT_BUILD=200\n[broken\nPRODUCT_TITLE=x\n");
    AppConfig config(programDirectory());
    buildProductConfig(config);
    EXPECT_EQ(config.productInfo().build(), 200);
    EXPECT_EQ(config.productInfo().title(), BRString("Ovatron Project Ovatron"));
}

TEST_F(ProductConfigTest, TextVersionNumberInTheProductFileCountsAsZero)
{
    writeFile(programFolder() + "/product.bcf", "PRODUCT_MAJOR_VERSION=two\n");
    AppConfig config(programDirectory());
    buildProductConfig(config);
    EXPECT_EQ(config.productInfo().majorVersion(), 0);
    EXPECT_EQ(config.productInfo().minorVersion(), 0);
}

TEST_F(ProductConfigTest, SerializedObjectsInTheProductFileAreIgnored)
{
    // The title claims a list of 0x60E00000 QVariants, 52 GB, which Qt's own reader would try
    // to allocate at once.
    const QByteArray file = "PRODUCT_TITLE=@Variant(" +
                            QByteArray("\0\0\0\x09\x60\xe0\0\0", 8) +
                            ")\nPRODUCT_BUILD=@ByteArray(200)\nPRODUCT_REVISION=@Rect(1 2 3 4)\n"
                            "PRODUCT_COMPANY=Acme, @Size(1 2)\nPRODUCT_MINOR_VERSION=7\n";
    writeFile(programFolder() + "/product.bcf", file);

    AppConfig config(programDirectory());
    buildProductConfig(config);
    EXPECT_EQ(config.productInfo().title(), BRString("Ovatron Project Ovatron"));
    EXPECT_EQ(config.productInfo().build(), 114);
    EXPECT_EQ(config.productInfo().revision(), 8);
    EXPECT_EQ(config.productInfo().minorVersion(), 7);
    EXPECT_EQ(config.getProductString("PRODUCT_COMPANY"), BRString("Ovatron Project"));
}

TEST_F(ProductConfigTest, SettingsWorkOnceBuilt)
{
    AppConfig config(programDirectory());
    EXPECT_EQ(config.getRegistryInteger(kSettingsSection, "xpos", -1, kSettingsHive), -1);
    config.setRegistryInteger(kSettingsSection, "xpos", 5, kSettingsHive);
    EXPECT_EQ(config.getRegistryInteger(kSettingsSection, "xpos", -1, kSettingsHive), -1);

    buildProductConfig(config);
    config.setRegistryInteger(kSettingsSection, "xpos", 5, kSettingsHive);
    EXPECT_EQ(config.getRegistryInteger(kSettingsSection, "xpos", -1, kSettingsHive), 5);
}

// --- Product values and the product file ------------------------------------------------

TEST_F(ProductConfigTest, ProductFileReplacesOnlyTheKeysItHolds)
{
    const QString path = programFolder() + "/custom.bcf";
    writeFile(path, "PRODUCT_BUILD=115\nPRODUCT_COMPANY=Acme, Inc.\nEXTRA=1.5\n");

    BRAppConfig config(programDirectory());
    config.setProductValue("PRODUCT_BUILD", BRValue(114));
    config.setProductValue("PRODUCT_NAME", BRValue("Ovatron"));
    config.loadProductInfo(brio::fromQString(path));

    EXPECT_EQ(config.getProductInt32("PRODUCT_BUILD"), 115);
    EXPECT_EQ(config.getProductString("PRODUCT_COMPANY"), BRString("Acme, Inc."));
    EXPECT_EQ(config.getProductString("EXTRA"), BRString("1.5"));
    EXPECT_EQ(config.getProductInt32("EXTRA"), 0);
    EXPECT_EQ(config.getProductString("PRODUCT_NAME"), BRString("Ovatron"));
}

TEST_F(ProductConfigTest, MissingOrUnopenableProductFileLoadsNothing)
{
    BRAppConfig config(programDirectory());
    config.setProductValue("PRODUCT_BUILD", BRValue(114));
    config.loadProductInfo(brio::fromQString(programFolder() + "/absent.bcf"));
    config.loadProductInfo(programDirectory());
    config.loadProductInfo("");
    EXPECT_EQ(config.getProductInt32("PRODUCT_BUILD"), 114);
}

TEST(ProductValues, MissingKeyGivesEmptyTextAndZero)
{
    const BRAppConfig config;
    EXPECT_TRUE(config.getProductString("PRODUCT_TITLE").empty());
    EXPECT_EQ(config.getProductInt32("PRODUCT_BUILD"), 0);
}

TEST(ProductValues, ValuesAreReadAsTextOrNumberByTheirMeaning)
{
    BRAppConfig config;
    config.setProductValue("NUMBER", BRValue(114));
    config.setProductValue("NUMERIC_TEXT", BRValue("42"));
    config.setProductValue("WORD", BRValue("Ovatron"));
    EXPECT_EQ(config.getProductString("NUMBER"), BRString("114"));
    EXPECT_EQ(config.getProductInt32("NUMERIC_TEXT"), 42);
    EXPECT_EQ(config.getProductInt32("WORD"), 0);
}

TEST(ProductValues, LaterValueReplacesTheEarlierOne)
{
    BRAppConfig config;
    config.setProductValue("PRODUCT_TITLE", BRValue("First"));
    config.setProductValue("PRODUCT_TITLE", BRValue("Second"));
    EXPECT_EQ(config.getProductString("PRODUCT_TITLE"), BRString("Second"));
}

TEST(ProductValues, ProductRecordIsKeptAsGiven)
{
    BRAppConfig config;
    EXPECT_TRUE(config.productInfo().title().empty());
    config.setProductInfo(brio::BRAppInfo("Title", 2, 3, 4, 5));
    EXPECT_EQ(config.productInfo().title(), BRString("Title"));
    EXPECT_EQ(config.productInfo().majorVersion(), 2);
    EXPECT_EQ(config.productInfo().minorVersion(), 3);
    EXPECT_EQ(config.productInfo().revision(), 4);
    EXPECT_EQ(config.productInfo().build(), 5);
}
