// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The one declaration of the settings: every key the program reads or writes is in it, the
// README's table says what it says, and stored files read by its rules.
#include "core/settings/CueSettings.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/MicrophoneSettings.h"
#include "core/settings/OscSettings.h"
#include "core/settings/RevealSettings.h"
#include "core/settings/SettingsAccess.h"
#include "core/settings/ShowControlSettings.h"
#include "core/settings/TurnSettings.h"
#include "support/RecordingConfig.h"
#include "support/SettingsFileAccess.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

using ovatron::test::RecordingConfig;
using ovatron::test::writeSettingsFile;

namespace {

const QString kSourceDir = QStringLiteral(OVATRON_SOURCE_DIR);

QString readSource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> declaredKeys()
{
    QSet<QString> keys;
    for (const SettingDeclaration& declared : kSettingDeclarations)
        keys.insert(QString::fromLatin1(declared.key));
    return keys;
}

// The arguments of the call whose opening parenthesis is at open, split at its own commas.
QStringList callArguments(const QString& text, qsizetype open)
{
    QStringList arguments;
    QString current;
    int depth = 0;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype start = i;
            for (++i; i < text.size() && text[i] != c; ++i)
                i += text[i] == QLatin1Char('\\') ? 1 : 0;
            current += text.mid(start, i - start + 1);
            continue;
        }
        if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{'))
            ++depth;
        if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
            if (depth-- == 0)
                break;
        }
        if (c == QLatin1Char(',') && depth == 0) {
            arguments << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    arguments << current.trimmed();
    return arguments;
}

// The key constants that the feature headers take from the declaration.
QSet<QString> keyConstantsFromTheTable()
{
    static const QRegularExpression constant(
        QStringLiteral(R"(constexpr const char\* (k\w+Key) =\s*settingKey\(Setting::\w+\);)"));
    QSet<QString> names;
    QDirIterator headers(kSourceDir + QStringLiteral("/core/settings"), {QStringLiteral("*.h")});
    while (headers.hasNext()) {
        const QString text = readSource(headers.next());
        for (const QRegularExpressionMatch& found : constant.globalMatch(text))
            names.insert(found.captured(1));
    }
    return names;
}

// Whether the key argument of a call into the store is sure to be declared: a declared key
// spelled out, a constant taken from the declaration, or the declaration's key itself.
QString undeclaredKey(const QString& key, const QSet<QString>& declared,
                      const QSet<QString>& constants)
{
    if (key.startsWith(QLatin1Char('"')) && key.endsWith(QLatin1Char('"')))
        return declared.contains(key.mid(1, key.size() - 2)) ? QString() : key;
    if (constants.contains(key) || key.startsWith(QLatin1String("settingKey(")))
        return QString();
    return key;
}

// Every call of the store's reads and writes in the program's sources.
struct StoreCall {
    QString where;
    QString key;
};

std::vector<StoreCall> storeCalls()
{
    static const QRegularExpression call(QStringLiteral(
        R"(\b(readSetting|writeSetting|readTextSetting|writeTextSetting|getRegistryInteger|)"
        R"(setRegistryInteger|getRegistryString|setRegistryString)\s*\()"));
    // brio is the store itself and knows no setting; core/AppConfig.h defines the calls.
    const QStringList layers{"app", "audio", "core", "display", "fuzz", "osc", "remote",
                             "results", "show", "store", "tools", "widgets"};
    std::vector<StoreCall> calls;
    for (const QString& layer : layers) {
        QDirIterator files(kSourceDir + QLatin1Char('/') + layer,
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = path.mid(kSourceDir.size() + 1);
            if (relative == QLatin1String("core/AppConfig.h"))
                continue;
            const QString text = readSource(path);
            for (const QRegularExpressionMatch& found : call.globalMatch(text)) {
                const QStringList arguments = callArguments(text, found.capturedEnd() - 1);
                const int line = static_cast<int>(text.left(found.capturedStart()).count('\n')) + 1;
                calls.push_back({QStringLiteral("%1:%2").arg(relative).arg(line),
                                 arguments.value(1)});
            }
        }
    }
    return calls;
}

TEST(SettingsDeclaration, EveryKeyReadOrWrittenInTheProgramIsDeclared)
{
    const QSet<QString> declared = declaredKeys();
    const QSet<QString> constants = keyConstantsFromTheTable();
    EXPECT_TRUE(constants.contains(QStringLiteral("kTurnSecondsKey")));
    const std::vector<StoreCall> calls = storeCalls();
    // The declared reads and writes themselves go through these calls.
    ASSERT_TRUE(std::any_of(calls.begin(), calls.end(), [](const StoreCall& c) {
        return c.where.startsWith(QLatin1String("core/settings/SettingsAccess.cpp"));
    }));
    for (const StoreCall& c : calls) {
        const QString undeclared = undeclaredKey(c.key, declared, constants);
        EXPECT_TRUE(undeclared.isEmpty())
            << c.where.toStdString() << ": the key " << undeclared.toStdString()
            << " is not taken from core/settings/SettingsDeclaration.h";
    }
}

// A row of README.md's table of settings.
struct ReadmeRow {
    QString defaultText;
    QString rangeText;
};

std::map<QString, ReadmeRow> readmeSettings()
{
    const QStringList lines =
        readSource(kSourceDir + QStringLiteral("/README.md")).split(QLatin1Char('\n'));
    std::map<QString, ReadmeRow> rows;
    qsizetype at = lines.indexOf(QStringLiteral("| Key | Default | Range, meaning |"));
    if (at < 0)
        return rows;
    static const QRegularExpression quoted(QStringLiteral("`([^`]+)`"));
    for (at += 2; at < lines.size() && lines[at].startsWith(QLatin1Char('|')); ++at) {
        const QStringList cells = lines[at].split(QLatin1Char('|'));
        if (cells.size() < 5)
            continue;
        for (const QRegularExpressionMatch& key : quoted.globalMatch(cells[1]))
            rows[key.captured(1)] = {cells[2].trimmed(), cells[3].trimmed()};
    }
    return rows;
}

// How the README shows a declared default.
QString shownDefault(const SettingDeclaration& declared)
{
    switch (declared.kind) {
    case SettingKind::Integer:
    case SettingKind::Switch: return QString::number(declared.defaultNumber);
    case SettingKind::Colour:
        return QStringLiteral("0x") +
               QStringLiteral("%1").arg(declared.defaultNumber, 6, 16, QLatin1Char('0')).toUpper();
    case SettingKind::Decimal: return QString::number(declared.defaultDecimal, 'f', 1);
    case SettingKind::Text:
    case SettingKind::Choice: break;
    }
    const QString text = QString::fromLatin1(declared.defaultText);
    return text.isEmpty() ? QStringLiteral("empty") : QLatin1Char('`') + text + QLatin1Char('`');
}

// What the README must say of a declared range: its ends and what lies outside.
QStringList shownRange(const SettingDeclaration& declared)
{
    QStringList phrases;
    const bool bounded = declared.minimum != std::numeric_limits<int>::min() ||
                         declared.maximum != std::numeric_limits<int>::max();
    if (declared.kind == SettingKind::Integer && bounded) {
        const char* joint = declared.maximum == declared.minimum + 1 ? " or " : " to ";
        phrases << QString::number(declared.minimum) + QLatin1String(joint) +
                       QString::number(declared.maximum);
        phrases << (declared.outOfRange == OutOfRange::BroughtInside
                        ? QStringLiteral("brought inside")
                        : QStringLiteral("anything else reads as %1").arg(declared.defaultNumber));
    }
    if (declared.kind == SettingKind::Switch)
        phrases << QStringLiteral("any other value");
    if (declared.kind == SettingKind::Choice) {
        for (const char* choice : declared.choices)
            phrases << QLatin1Char('`') + QString::fromLatin1(choice) + QLatin1Char('`');
    }
    return phrases;
}

TEST(SettingsDeclaration, TheReadmeTableShowsEveryDeclaredSettingAsDeclared)
{
    const std::map<QString, ReadmeRow> readme = readmeSettings();
    ASSERT_FALSE(readme.empty()) << "README.md has no table of settings";
    for (const SettingDeclaration& declared : kSettingDeclarations) {
        const QString key = QString::fromLatin1(declared.key);
        const auto row = readme.find(key);
        if (row == readme.end()) {
            ADD_FAILURE() << declared.key << " is declared but not in README.md";
            continue;
        }
        EXPECT_TRUE(row->second.defaultText.startsWith(shownDefault(declared)))
            << declared.key << ": README shows the default "
            << row->second.defaultText.toStdString() << ", declared "
            << shownDefault(declared).toStdString();
        for (const QString& phrase : shownRange(declared)) {
            EXPECT_TRUE(row->second.rangeText.contains(phrase))
                << declared.key << ": README's range lacks \"" << phrase.toStdString() << "\"";
        }
    }
    const QSet<QString> declared = declaredKeys();
    for (const auto& [key, row] : readme)
        EXPECT_TRUE(declared.contains(key)) << key.toStdString() << " is in README.md only";
}

// Stored files read as they always have: out of range as the declaration says, the file left
// as it is.
TEST(SettingsDeclaration, StoredValuesReadByTheirDeclaredRules)
{
    struct Case {
        const char* file;
        Setting setting;
        int reads;
    };
    const Case cases[] = {
        {"TurnSeconds=61", Setting::TurnSeconds, 0},
        {"TurnSeconds=60", Setting::TurnSeconds, 60},
        {"TurnSeconds=-1", Setting::TurnSeconds, 0},
        {"MicrophoneRange=900", Setting::MicrophoneRange, 60},
        {"MicrophoneRange=0", Setting::MicrophoneRange, 1},
        {"CueVolume=-5", Setting::CueVolume, 0},
        {"CueVolume=250", Setting::CueVolume, 100},
        {"OscPort=0", Setting::OscPort, 7481},
        {"OscPort=65535", Setting::OscPort, 65535},
        {"ShowControlPort=65536", Setting::ShowControlPort, 7480},
        {"HideScores=2", Setting::HideScores, 0},
        {"Osc=1", Setting::Osc, 1},
        {"Osc=7", Setting::Osc, 0},
        {"UseLeagueTable=-3", Setting::UseLeagueTable, -3},
        {"FontSize=big", Setting::FontSize, 240},
    };
    for (const Case& c : cases) {
        const QByteArray file = QByteArray("[General]\n") + c.file + '\n';
        ASSERT_TRUE(writeSettingsFile(file));
        RecordingConfig config;
        EXPECT_EQ(readInteger(config, c.setting), c.reads) << c.file;
        EXPECT_EQ(ovatron::test::readSettingsFile(), file) << c.file;
        const QString stored = QString::fromLatin1(c.file).section(QLatin1Char('='), 1);
        EXPECT_EQ(integerFromStoredText(c.setting, stored), c.reads) << "announced " << c.file;
    }
    struct TextCase {
        const char* file;
        QString address;  // show control's and OSC's, stored alike
    };
    const TextCase texts[] = {
        {"ShowControlAddress=0.0.0.0\nOscAddress=0.0.0.0", QStringLiteral("0.0.0.0")},
        {"ShowControlAddress=10.0.0.1\nOscAddress=local", QStringLiteral("127.0.0.1")},
    };
    for (const TextCase& c : texts) {
        ASSERT_TRUE(writeSettingsFile(QByteArray("[General]\n") + c.file + '\n'));
        RecordingConfig config;
        EXPECT_EQ(loadShowControlSettings(config).address, c.address) << c.file;
        EXPECT_EQ(loadOscSettings(config).address, c.address) << c.file;
    }
}

// OK in the Microphone dialog stores the device, the range and a changed turn length; what it
// did not choose stays as stored.
TEST(SettingsDeclaration, TheMicrophoneChoiceStoresOnlyWhatWasChosen)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nMicrophoneDevice=hallmic\nTurnSeconds=99\n"));
    RecordingConfig config;
    storeMicrophoneChoice(config, MicrophoneChoice{std::nullopt, 20, std::nullopt});
    EXPECT_EQ(config.writes, std::vector<std::string>{"MicrophoneRange"});
    EXPECT_EQ(loadMicrophoneConfig(config).deviceId, QStringLiteral("hallmic"));
    EXPECT_TRUE(ovatron::test::readSettingsFile().contains("TurnSeconds=99\n"));

    storeMicrophoneChoice(config, MicrophoneChoice{QString(), 25, 12});
    const MicrophoneConfig stored = loadMicrophoneConfig(config);
    EXPECT_EQ(stored.deviceId, QString());
    EXPECT_DOUBLE_EQ(stored.calibration.rangeLu, 25.0);
    EXPECT_EQ(loadTurnSeconds(config), 12);
}

}  // namespace
