// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The one declaration of the settings: every key the program reads or writes is in it, and the
// README's table says what it says.
#include "core/settings/MicrophoneSettings.h"
#include "core/settings/OscSettings.h"
#include "core/settings/RevealSettings.h"
#include "core/settings/SettingsDeclaration.h"
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

#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The checkout the test was built from.
QString sourceDir()
{
    return QStringLiteral(OVATRON_SOURCE_DIR);
}

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

// The key constants that the feature headers take from the declaration.
QSet<QString> keyConstantsFromTheTable()
{
    static const QRegularExpression constant(
        QStringLiteral(R"(constexpr const char\* (k\w+Key) =\s*settingKey\(Setting::\w+\);)"));
    QSet<QString> names;
    QDirIterator headers(sourceDir() + QStringLiteral("/core/settings"), {QStringLiteral("*.h")});
    while (headers.hasNext()) {
        const QString text = readSource(headers.next());
        for (const QRegularExpressionMatch& found : constant.globalMatch(text))
            names.insert(found.captured(1));
    }
    return names;
}

TEST(SettingsDeclaration, EveryKeyReadOrWrittenInTheProgramIsDeclared)
{
    // A call of the store's reads and writes, with its key: the second argument, after the
    // store or the section. A call whose key cannot be read so is caught as undeclared.
    static const QRegularExpression call(QStringLiteral(
        R"(\b(?:readSetting|writeSetting|readTextSetting|writeTextSetting|getRegistryInteger|)"
        R"(setRegistryInteger|getRegistryString|setRegistryString)\s*\()"
        R"((?:\s*(?:"[^"]*"|[\w.()>*-]*)\s*,\s*("[^"]*"|settingKey\(|[\w:]+))?)"));
    const QSet<QString> declared = declaredKeys();
    const QSet<QString> constants = keyConstantsFromTheTable();
    ASSERT_TRUE(constants.contains(QStringLiteral("kTurnSecondsKey")));
    // brio is the store itself and knows no setting; core/AppConfig.h defines the calls.
    const QStringList layers{"app", "audio", "core", "display", "fuzz", "osc", "remote",
                             "results", "show", "store", "tools", "widgets"};
    int calls = 0;
    for (const QString& layer : layers) {
        QDirIterator files(sourceDir() + QLatin1Char('/') + layer,
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = path.mid(sourceDir().size() + 1);
            if (relative == QLatin1String("core/AppConfig.h"))
                continue;
            const QString text = readSource(path);
            for (const QRegularExpressionMatch& found : call.globalMatch(text)) {
                ++calls;
                // A declared key spelled out, a constant taken from the table, or the table's
                // own key.
                const QString key = found.captured(1);
                const bool spelled = key.startsWith(QLatin1Char('"')) &&
                                     declared.contains(key.mid(1, key.size() - 2));
                EXPECT_TRUE(spelled || constants.contains(key) ||
                            key == QLatin1String("settingKey("))
                    << relative.toStdString() << ":"
                    << text.left(found.capturedStart()).count(QLatin1Char('\n')) + 1
                    << ": the key " << key.toStdString()
                    << " is not taken from core/settings/SettingsDeclaration.h";
            }
        }
    }
    EXPECT_GT(calls, 0) << "no call of the store found under " << sourceDir().toStdString();
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
    const bool bounded = declared.minimum != std::numeric_limits<int>::min() ||
                         declared.maximum != std::numeric_limits<int>::max();
    if (declared.kind == SettingKind::Integer && bounded) {
        const char* joint = declared.maximum == declared.minimum + 1 ? " or " : " to ";
        return {QString::number(declared.minimum) + QLatin1String(joint) +
                    QString::number(declared.maximum),
                declared.outOfRange == OutOfRange::BroughtInside
                    ? QStringLiteral("brought inside")
                    : QStringLiteral("anything else reads as %1").arg(declared.defaultNumber)};
    }
    if (declared.kind == SettingKind::Switch)
        return {QStringLiteral("any other value")};
    if (declared.kind == SettingKind::Choice)
        return {QStringLiteral("`%1`").arg(QLatin1String(declared.choices[0])),
                QStringLiteral("`%1`").arg(QLatin1String(declared.choices[1]))};
    return {};
}

TEST(SettingsDeclaration, TheReadmeTableShowsEveryDeclaredSettingAsDeclared)
{
    // Each key of the table's rows, with its default and its range or meaning.
    std::map<QString, std::pair<QString, QString>> readme;
    const QStringList lines =
        readSource(sourceDir() + QStringLiteral("/README.md")).split(QLatin1Char('\n'));
    static const QRegularExpression quoted(QStringLiteral("`([^`]+)`"));
    qsizetype at = lines.indexOf(QStringLiteral("| Key | Default | Range, meaning |"));
    ASSERT_GE(at, 0) << "README.md has no table of settings";
    for (at += 2; at < lines.size() && lines[at].startsWith(QLatin1Char('|')); ++at) {
        const QStringList cells = lines[at].split(QLatin1Char('|'));
        for (const QRegularExpressionMatch& key : quoted.globalMatch(cells.value(1)))
            readme[key.captured(1)] = {cells.value(2).trimmed(), cells.value(3).trimmed()};
    }
    for (const SettingDeclaration& declared : kSettingDeclarations) {
        const auto row = readme.find(QString::fromLatin1(declared.key));
        if (row == readme.end()) {
            ADD_FAILURE() << declared.key << " is declared but not in README.md";
            continue;
        }
        const auto& [shownAsDefault, shownAsRange] = row->second;
        EXPECT_TRUE(shownAsDefault.startsWith(shownDefault(declared)))
            << declared.key << ": README shows the default " << shownAsDefault.toStdString()
            << ", declared " << shownDefault(declared).toStdString();
        for (const QString& phrase : shownRange(declared))
            EXPECT_TRUE(shownAsRange.contains(phrase))
                << declared.key << ": README's range lacks \"" << phrase.toStdString() << "\"";
    }
    const QSet<QString> declared = declaredKeys();
    for (const auto& [key, row] : readme)
        EXPECT_TRUE(declared.contains(key)) << key.toStdString() << " is in README.md only";
}

// Values out of range read as they always have, and the file keeps them.
TEST(SettingsDeclaration, OutOfRangeValuesReadAsDeclared)
{
    struct Case {
        const char* file;
        int showControlPort, oscPort;
        bool localNetwork, oscOn, hideScores;
    };
    const Case cases[] = {
        {"ShowControlPort=65536\nOscPort=0\nShowControlAddress=10.0.0.1\nOscAddress=lan\n"
         "Osc=7\nHideScores=2\n", 7480, 7481, false, false, false},
        {"ShowControlPort=65535\nOscPort=1\nShowControlAddress=0.0.0.0\nOscAddress=0.0.0.0\n"
         "Osc=1\nHideScores=1\n", 65535, 1, true, true, true},
    };
    for (const Case& c : cases) {
        const QByteArray file = QByteArray("[General]\n") + c.file;
        ASSERT_TRUE(ovatron::test::writeSettingsFile(file));
        ovatron::test::RecordingConfig config;
        const ShowControlSettings showControl = loadShowControlSettings(config);
        const OscSettings osc = loadOscSettings(config);
        EXPECT_EQ(showControl.port, c.showControlPort) << c.file;
        EXPECT_EQ(osc.port, c.oscPort) << c.file;
        EXPECT_EQ(showControl.address == QLatin1String("0.0.0.0"), c.localNetwork) << c.file;
        EXPECT_EQ(osc.address == QLatin1String("0.0.0.0"), c.localNetwork) << c.file;
        EXPECT_EQ(osc.on, c.oscOn) << c.file;
        EXPECT_EQ(loadHideScores(config), c.hideScores) << c.file;
        EXPECT_EQ(ovatron::test::readSettingsFile(), file) << c.file;
    }
}

// OK in the Microphone dialog stores the range, and the device and turn length only when
// chosen; what was not chosen stays as stored.
TEST(SettingsDeclaration, TheMicrophoneChoiceStoresOnlyWhatWasChosen)
{
    ASSERT_TRUE(
        ovatron::test::writeSettingsFile("[General]\nMicrophoneDevice=hall\nTurnSeconds=99\n"));
    ovatron::test::RecordingConfig config;
    storeMicrophoneChoice(config, MicrophoneChoice{std::nullopt, 20, std::nullopt});
    EXPECT_EQ(config.writes, std::vector<std::string>{"MicrophoneRange"});
    EXPECT_TRUE(ovatron::test::readSettingsFile().contains("TurnSeconds=99\n"));
    storeMicrophoneChoice(config, MicrophoneChoice{QString(), 25, 12});
    EXPECT_EQ(loadMicrophoneConfig(config).deviceId, QString());
    EXPECT_DOUBLE_EQ(loadMicrophoneConfig(config).calibration.rangeLu, 25.0);
    EXPECT_EQ(loadTurnSeconds(config), 12);
}

// A show of one microphone reads its old keys; the room's lists, where present, name each
// microphone, the single floor standing in for an entry that is missing or no number.
TEST(SettingsDeclaration, TheRoomsMicrophonesReadFromTheirListsOrTheOldKeys)
{
    using Spots = std::vector<std::tuple<QString, QString, double>>;  // device, place, floor
    const std::pair<const char*, Spots> cases[] = {
        {"MicrophoneDevice=hall\nMicrophoneFloor=-44.5\n", {{"hall", "", -44.5}}},
        {"MicrophoneDevice=hall\nMicrophoneFloor=-44.5\nMicrophoneDevices=a||b\n"
         "MicrophonePlaces=Left| Mid |Right\nMicrophoneFloors=-40.04|loud\n",
         {{"a", "Left", -40.0}, {"", "Mid", -44.5}, {"b", "Right", -44.5}}},
        {"MicrophonePlaces=Left|Right\n", {{"", "Left", -50.0}, {"", "Right", -50.0}}},
        {"MicrophoneDevices=a|b|c|d|e\n", {{"a", "", -50}, {"b", "", -50}, {"c", "", -50}, {"d", "", -50}}},
    };
    for (const auto& [file, expected] : cases) {
        ASSERT_TRUE(ovatron::test::writeSettingsFile(QByteArray("[General]\n") + file));
        ovatron::test::RecordingConfig config;
        Spots loaded;
        for (const MicrophoneSpot& spot : loadMicrophoneConfig(config).microphones)
            loaded.emplace_back(spot.deviceId, spot.place, spot.floorLufs);
        EXPECT_EQ(loaded, expected) << file;
    }
    // The dialog's calibration of the first microphone reaches the list it is read from.
    ASSERT_TRUE(ovatron::test::writeSettingsFile(
        "[General]\nMicrophoneDevices=a|b\nMicrophoneFloors=-40.0|-45.0\n"));
    ovatron::test::RecordingConfig config;
    storeMicrophoneFloor(config, -38.26);
    EXPECT_DOUBLE_EQ(loadMicrophoneConfig(config).microphones.front().floorLufs, -38.3);
    EXPECT_DOUBLE_EQ(loadMicrophoneConfig(config).microphones.back().floorLufs, -45.0);
}

}  // namespace
