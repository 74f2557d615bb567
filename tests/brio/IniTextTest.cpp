// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRIniText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using brio::BRIniSerializedValue;
using brio::iniText;
using brio::readIniText;

namespace {

// The bytes that Qt's own INI format writes for these values.
QByteArray writtenByQt(const QSettings::SettingsMap& values)
{
    const QTemporaryDir folder;
    const QString path = folder.path() + "/qt.ini";
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            settings.setValue(value.key(), value.value());
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool isSerialized(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<BRIniSerializedValue>();
}

const QSettings::SettingsMap kOddValues{
    {"plain", QString("Comic Sans MS")},
    {"number", 240},
    {"negative", -2147483647 - 1},
    {"punctuation", QString::fromUtf8("Ünï, \"côdé\"; a=b \\ [x] @y #z 文字")},
    {"leadingAt", QString("@Variant(not an object)")},
    {"onlyAt", QString("@")},
    {"spaces", QString("  padded  ")},
    {"controls", QString::fromUtf16(u"tab\there\nnew\rline\a\b\f\v\x01\x1f" "1f")},
    {"nul", QString::fromUtf16(u"a\0" "7b", 4)},
    {"empty", QString()},
    {"emoji", QString::fromUtf8("\xf0\x9f\x8e\x89 party")},
    {"list", QStringList{"Arial", " Bold ", "@x", "a,b"}},
    {"Window/xpos", 17},
    {"Window/sub/key", QString("deep")},
    {"General/name", QString("a section called General")},
    {"odd key %/=[]", QString("v")},
    {QString::fromUtf8("ключ"), QString("k")},
};

}  // namespace

TEST(IniText, WritesWhatQtsOwnIniFormatWrites)
{
    EXPECT_EQ(iniText(kOddValues), writtenByQt(kOddValues));
}

TEST(IniText, ReadsBackWhatQtsOwnIniFormatWrote)
{
    const brio::BRIniContents read = readIniText(writtenByQt(kOddValues));
    EXPECT_TRUE(read.wellFormed);
    ASSERT_EQ(read.values.keys(), kOddValues.keys());
    for (auto value = kOddValues.cbegin(); value != kOddValues.cend(); ++value) {
        const QVariant& got = read.values.value(value.key());
        if (value.value().typeId() == QMetaType::QStringList)
            EXPECT_EQ(got.toStringList(), value.value().toStringList()) << value.key().toStdString();
        else
            EXPECT_EQ(got, QVariant(value.value().toString())) << value.key().toStdString();
    }
}

// Serialized objects are kept undecoded, by the bytes of the file, and written back as they were.
TEST(IniText, SerializedObjectsAreKeptAsTheFilesBytes)
{
    const QByteArray variant("@Variant(\0\0\0\x09\x60\xe0\0\0)", 18);
    const QByteArray serialized[] = {
        variant,
        "@ByteArray(abc)",
        " @Rect(1 2 3 4)",
        "@Size(1 2)",
        "@Point(1 2)",
        "@DateTime(\\0\\0)",
        "@Invalid()",
        "@Unknown(x)",
        "\"@Variant(quoted)\"",
        "\\x40Variant(escaped)",
        "\\100Variant(octal)",
        "text, @Variant(in a list)",
    };
    for (const QByteArray& raw : serialized) {
        const QByteArray file = "[General]\nkey=" + raw + "\nlater=1\n";
        const brio::BRIniContents read = readIniText(file);
        EXPECT_TRUE(read.wellFormed) << raw.toStdString();
        const QVariant value = read.values.value("key");
        ASSERT_TRUE(isSerialized(value)) << raw.toStdString();
        EXPECT_EQ(value.value<BRIniSerializedValue>().text, raw);
        EXPECT_EQ(read.values.value("later"), QVariant("1"));
        EXPECT_EQ(iniText(read.values), file);
    }
}

TEST(IniText, MarkedTextsAreTexts)
{
    const struct {
        const char* raw;
        QString text;
    } cases[] = {
        {"@@Variant(x)", "@Variant(x)"},
        {"@String(a\\0b)", QString::fromUtf16(u"a\0b", 3)},
        {"@home", "@home"},
        {"\"  quoted  \" ", "  quoted  "},
        {"unquoted  \t", "unquoted"},
        {"kept\\   ", "kept"},
        {"kept\\x20  ", "kept "},
        {"line\\\ncontinued", "linecontinued"},
        {"a ; comment", "a"},
    };
    for (const auto& [raw, text] : cases) {
        const brio::BRIniContents read = readIniText(QByteArray("k=") + raw);
        EXPECT_EQ(read.values.value("k"), QVariant(text)) << raw;
    }
}

TEST(IniText, GarbledLinesAreReportedAndTheOthersKept)
{
    const struct {
        const char* text;
        bool wellFormed;
    } cases[] = {
        {"a=1\n[broken\nb=2\n", false},
        {"a=1\nno equals sign\nb=2\n", false},
        {"a=1\n; a comment\n\n  \t\nb=2 ; trailing comment\n", true},
        {"\xef\xbb\xbf" "a=1\r\nb=2\r\n", true},
    };
    for (const auto& [text, wellFormed] : cases) {
        const brio::BRIniContents read = readIniText(text);
        EXPECT_EQ(read.wellFormed, wellFormed) << text;
        EXPECT_EQ(read.values.value("a"), QVariant("1")) << text;
        const QString b = read.values.contains("b") ? "b" : "broken/b";
        EXPECT_EQ(read.values.value(b), QVariant("2")) << text;
    }
}

// Found by fuzzing: a key with an empty part ("[a\b]" then "=1" gives "a/b/") was written
// back with a separator just before '=', which escapes it, so the file came back garbled and
// every setting read as its default.
TEST(IniText, KeysWithEmptyPartsSurviveAWrite)
{
    // The last three give keys of separators alone ("//", "//", "///"), found by fuzzing later.
    for (const char* text : {"[a\\b]\n=1\n", "[a]\nb\\\\c=1\n", "\\\\a=1\n", "[\\a]\nb=1\n",
                             "[\\]\n=1\n", "\\\\=1\n", "[\\\\]\n=1\n"}) {
        const brio::BRIniContents read = readIniText(text);
        ASSERT_TRUE(read.wellFormed) << text;
        ASSERT_EQ(read.values.size(), 1) << text;
        const brio::BRIniContents again = readIniText(iniText(read.values));
        EXPECT_TRUE(again.wellFormed) << text << " written as " << iniText(read.values).constData();
        EXPECT_EQ(again.values, read.values) << text;
    }
}

// Found by fuzzing: a value piece that began with U+FEFF (after a comma or an escape) lost it.
TEST(IniText, ZeroWidthNoBreakSpaceInsideAValueIsKept)
{
    for (const char* text : {"k=a,\xef\xbb\xbf" "b\n", "k=\\t\xef\xbb\xbf" "c\n"}) {
        const brio::BRIniContents read = readIniText(text);
        EXPECT_TRUE(read.values.value("k").toStringList().join(',').contains(QChar(0xFEFF))) << text;
        EXPECT_EQ(readIniText(iniText(read.values)).values, read.values) << text;
    }
}

// Found by fuzzing: a long "\x" escape gives half a surrogate pair, which UTF-8 cannot carry;
// written back it must read as it was.
TEST(IniText, HalfASurrogatePairSurvivesAWrite)
{
    for (const char* text : {"k=\\xdddd\n", "k=a\\xd800b\n", "k=\\xdddddddddd\n", "k=\\xdc00\\xd800\n"}) {
        const brio::BRIniContents read = readIniText(text);
        ASSERT_TRUE(read.wellFormed) << text;
        EXPECT_EQ(readIniText(iniText(read.values)).values, read.values)
            << text << " written as " << iniText(read.values).constData();
    }
    // A whole pair stays plain UTF-8.
    QSettings::SettingsMap pair;
    pair.insert(QStringLiteral("k"), QString::fromUtf8("Zo\xf0\x9f\x91\x8d"));
    EXPECT_TRUE(iniText(pair).endsWith(QByteArray("\nk=Zo\xf0\x9f\x91\x8d\n")));
}
