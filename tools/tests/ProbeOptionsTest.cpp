// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProbeOptions.h"

#include <gtest/gtest.h>

namespace {

ParsedProbeOptions parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("ovatron_damage_probe"));
    return parseProbeOptions(arguments);
}

}  // namespace

TEST(ProbeOptionsTest, ReadsTheWindowInEveryNotation)
{
    struct Case {
        const char* window;
        bool root;
        unsigned long id;
    };
    const Case cases[] = {
        {"root", true, 0},
        {"ROOT", true, 0},
        {"0x400006", false, 0x400006},
        {"0X1E00007", false, 0x1e00007},
        {"4194310", false, 4194310},
        {"010", false, 10},  // xdotool's decimal, never octal
    };
    for (const Case& c : cases) {
        const ParsedProbeOptions parsed =
            parse({QStringLiteral("--window"), QString::fromLatin1(c.window), QStringLiteral("--seconds"),
                   QStringLiteral("2.5")});
        ASSERT_EQ(parsed.outcome, ParseOutcome::Run) << c.window << ": " << parsed.message.toStdString();
        EXPECT_EQ(parsed.options.mode, ProbeMode::Damage);
        EXPECT_EQ(parsed.options.rootWindow, c.root) << c.window;
        EXPECT_EQ(parsed.options.window, c.id) << c.window;
        EXPECT_DOUBLE_EQ(parsed.options.seconds, 2.5);
    }
}

TEST(ProbeOptionsTest, StartTakesTheProgramWithItsOwnOptions)
{
    const ParsedProbeOptions parsed =
        parse({QStringLiteral("--start"), QStringLiteral("--timeout"), QStringLiteral("5"),
               QStringLiteral("/usr/bin/app"), QStringLiteral("--size"), QStringLiteral("10x10")});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run) << parsed.message.toStdString();
    EXPECT_EQ(parsed.options.mode, ProbeMode::Start);
    EXPECT_DOUBLE_EQ(parsed.options.timeoutSeconds, 5.0);
    EXPECT_EQ(parsed.options.command,
              QStringList({QStringLiteral("/usr/bin/app"), QStringLiteral("--size"), QStringLiteral("10x10")}));

    const ParsedProbeOptions separated =
        parse({QStringLiteral("--start"), QStringLiteral("--"), QStringLiteral("app"), QStringLiteral("--window")});
    ASSERT_EQ(separated.outcome, ParseOutcome::Run) << separated.message.toStdString();
    EXPECT_EQ(separated.options.command, QStringList({QStringLiteral("app"), QStringLiteral("--window")}));
    EXPECT_DOUBLE_EQ(separated.options.timeoutSeconds, kDefaultStartTimeoutSeconds);
}

TEST(ProbeOptionsTest, WrongArgumentsAreErrorsThatSayWhy)
{
    struct Case {
        QStringList arguments;
        const char* mentions;
    };
    const Case cases[] = {
        {{}, "--window"},
        {{QStringLiteral("--window"), QStringLiteral("root")}, "--seconds"},
        {{QStringLiteral("--seconds"), QStringLiteral("1")}, "--window"},
        {{QStringLiteral("--window"), QStringLiteral("main"), QStringLiteral("--seconds"), QStringLiteral("1")}, "main"},
        {{QStringLiteral("--window"), QStringLiteral("0"), QStringLiteral("--seconds"), QStringLiteral("1")}, "0"},
        {{QStringLiteral("--window"), QStringLiteral("0xZZ"), QStringLiteral("--seconds"), QStringLiteral("1")}, "0xZZ"},
        {{QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("--seconds"), QStringLiteral("0")}, "seconds"},
        {{QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("--seconds"), QStringLiteral("-3")}, "-3"},
        {{QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("--seconds"), QStringLiteral("nan")}, "nan"},
        {{QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("--seconds"), QStringLiteral("1e9")}, "1e9"},
        {{QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("--seconds"), QStringLiteral("1"), QStringLiteral("extra")}, "extra"},
        {{QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("--seconds"), QStringLiteral("1"), QStringLiteral("--timeout"), QStringLiteral("3")}, "--start"},
        {{QStringLiteral("--start")}, "program"},
        {{QStringLiteral("--start"), QStringLiteral("--window"), QStringLiteral("root"), QStringLiteral("app")}, "--window"},
        {{QStringLiteral("--start"), QStringLiteral("--timeout"), QStringLiteral("soon"), QStringLiteral("app")}, "soon"},
        {{QStringLiteral("--bogus")}, "bogus"},
    };
    for (const Case& c : cases) {
        const ParsedProbeOptions parsed = parse(c.arguments);
        const std::string arguments = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(parsed.outcome, ParseOutcome::Error) << arguments;
        EXPECT_TRUE(parsed.message.contains(QLatin1String(c.mentions))) << arguments << " -> " << parsed.message.toStdString();
    }
}

TEST(ProbeOptionsTest, HelpListsTheOptions)
{
    const ParsedProbeOptions parsed = parse({QStringLiteral("--help")});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Help);
    for (const char* option : {"--window", "--seconds", "--start", "--timeout"})
        EXPECT_TRUE(parsed.message.contains(QLatin1String(option))) << option;
}
