// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The OSC address space as liblo parses it: which datagrams are which commands, which are
// counted and ignored; and the addresses taken from and sent to.
#include "osc/OscInbox.h"
#include "osc/OscOutbox.h"
#include "osc/OscPeers.h"

#include <gtest/gtest.h>

#include <lo/lo.h>

#include <cstdlib>
#include <optional>

namespace {

using Kind = ShowCommand::Kind;

// A message made by liblo, as a cue program would send it.
QByteArray message(const char* path, const char* types, int number = 0, const char* text = "")
{
    lo_message built = lo_message_new();
    for (const char* type = types; *type; ++type) {
        if (*type == 'i')
            lo_message_add_int32(built, number);
        else if (*type == 's')
            lo_message_add_string(built, text);
        else if (*type == 'f')
            lo_message_add_float(built, static_cast<float>(number));
    }
    std::size_t size = 0;
    void* data = lo_message_serialise(built, path, nullptr, &size);
    QByteArray datagram(static_cast<const char*>(data), static_cast<qsizetype>(size));
    std::free(data);
    lo_message_free(built);
    return datagram;
}

struct Case {
    const char* what;
    QByteArray datagram;
    std::optional<ShowCommand> command;
};

class AddressSpace : public testing::TestWithParam<Case> {};

TEST_P(AddressSpace, EachMessageIsOneCommandOrCountedAndIgnored)
{
    const Case& c = GetParam();
    OscInbox inbox;
    ASSERT_TRUE(inbox.ready());
    const OscInbox::Read read = inbox.read(c.datagram);
    if (c.command) {
        ASSERT_EQ(read.commands.size(), 1u) << c.what;
        EXPECT_EQ(read.commands.front(), *c.command) << c.what;
        EXPECT_EQ(read.refused, 0) << c.what;
    } else {
        EXPECT_TRUE(read.commands.empty()) << c.what;
        EXPECT_EQ(read.refused, 1) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddressSpace,
    testing::Values(
        Case{"contestant", message("/ovatron/contestant", "s", 0, "Ana"),
             ShowCommand{Kind::Contestant, "Ana", false}},
        Case{"next", message("/ovatron/next", ""), ShowCommand{Kind::Next, {}, false}},
        Case{"enter", message("/ovatron/enter", ""), ShowCommand{Kind::Enter, {}, false}},
        Case{"escape", message("/ovatron/escape", ""), ShowCommand{Kind::Escape, {}, false}},
        Case{"winners", message("/ovatron/winners", ""), ShowCommand{Kind::Winners, {}, false}},
        Case{"reveal", message("/ovatron/reveal", ""), ShowCommand{Kind::Reveal, {}, false}},
        Case{"round", message("/ovatron/round", "s", 0, "Final"),
             ShowCommand{Kind::SwitchRound, "Final", false}},
        Case{"jury close", message("/ovatron/jury/close", "s", 0, "Ana"),
             ShowCommand{Kind::CloseMarking, "Ana", false}},
        Case{"jury close without a name", message("/ovatron/jury/close", "s", 0, " "), std::nullopt},
        Case{"round without a name", message("/ovatron/round", "s", 0, "  "), std::nullopt},
        Case{"round as a number", message("/ovatron/round", "i", 2), std::nullopt},
        Case{"applause down", message("/ovatron/applause", "i", 1),
             ShowCommand{Kind::Applause, {}, true}},
        Case{"applause up", message("/ovatron/applause", "i", 0),
             ShowCommand{Kind::Applause, {}, false}},
        Case{"applause of 2", message("/ovatron/applause", "i", 2), std::nullopt},
        Case{"applause as a float", message("/ovatron/applause", "f", 1), std::nullopt},
        Case{"contestant as a number", message("/ovatron/contestant", "i", 5), std::nullopt},
        Case{"contestant without a printable character",
             message("/ovatron/contestant", "s", 0, " \t "), std::nullopt},
        Case{"enter with an argument", message("/ovatron/enter", "i", 1), std::nullopt},
        Case{"unknown address", message("/ovatron/explode", ""), std::nullopt},
        Case{"another program's address", message("/cue/go", ""), std::nullopt},
        Case{"not OSC at all", QByteArray("GET / HTTP/1.1\r\n\r\n"), std::nullopt},
        Case{"a cut message", message("/ovatron/contestant", "s", 0, "Ana").left(22),
             std::nullopt}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name;
        for (const char* letter = info.param.what; *letter; ++letter)
            name += std::isalnum(static_cast<unsigned char>(*letter)) ? *letter : '_';
        return name;
    });

TEST(OscInbox, ABundleCarriesEachOfItsMessagesEvenOneStampedForLater)
{
    lo_timetag later{0xFFFFFFFFu, 0};  // far in the future: still carried out at once
    lo_bundle bundle = lo_bundle_new(later);
    lo_message name = lo_message_new();
    lo_message_add_string(name, "Bea");
    lo_bundle_add_message(bundle, "/ovatron/contestant", name);
    lo_bundle_add_message(bundle, "/ovatron/bogus", lo_message_new());
    lo_bundle_add_message(bundle, "/ovatron/enter", lo_message_new());
    std::size_t size = 0;
    void* data = lo_bundle_serialise(bundle, nullptr, &size);
    const QByteArray datagram(static_cast<const char*>(data), static_cast<qsizetype>(size));
    std::free(data);
    lo_bundle_free_recursive(bundle);

    OscInbox inbox;
    const OscInbox::Read read = inbox.read(datagram);
    ASSERT_EQ(read.commands.size(), 2u);
    EXPECT_EQ(read.commands[0], (ShowCommand{Kind::Contestant, "Bea", false}));
    EXPECT_EQ(read.commands[1], (ShowCommand{Kind::Enter, {}, false}));
    EXPECT_EQ(read.refused, 1);
}

TEST(OscOutbox, WritesWhatLibloReadsBack)
{
    const OscMessage sent{"/ovatron/turn/end", {QStringLiteral("Zoë"), std::int32_t{67}}};
    QByteArray datagram = oscDatagram(sent);
    int result = 0;
    lo_message read = lo_message_deserialise(datagram.data(), static_cast<size_t>(datagram.size()), &result);
    ASSERT_NE(read, nullptr) << result;
    EXPECT_STREQ(lo_message_get_types(read), "si");
    lo_arg** argv = lo_message_get_argv(read);
    EXPECT_EQ(QString::fromUtf8(&argv[0]->s), QStringLiteral("Zoë"));
    EXPECT_EQ(argv[1]->i, 67);
    lo_message_free(read);
}

TEST(OscPeers, TargetsAndSendersAreReadAsTheSettingsWriteThem)
{
    const OscTargets read = parseOscTargets(
        QStringLiteral(" 127.0.0.1:53000, lights.local:8000,[::1]:9000, nohost, 10.0.0.5:0, :7000,"));
    EXPECT_EQ(read.targets, (std::vector<OscTarget>{{"127.0.0.1", 53000},
                                                      {"lights.local", 8000},
                                                      {"::1", 9000}}));
    EXPECT_EQ(read.unreadable, (QStringList{"nohost", "10.0.0.5:0", ":7000"}));

    const QHostAddress local(QStringLiteral("127.0.0.1"));
    const QHostAddress desk(QStringLiteral("192.168.1.20"));
    EXPECT_TRUE(oscSenderAllowed(local, {}));
    EXPECT_TRUE(oscSenderAllowed(QHostAddress(QStringLiteral("::ffff:127.0.0.1")), {}));
    EXPECT_FALSE(oscSenderAllowed(desk, {}));
    EXPECT_TRUE(oscSenderAllowed(desk, QStringLiteral("10.0.0.1, 192.168.1.20")));
    EXPECT_TRUE(oscSenderAllowed(QHostAddress(QStringLiteral("::ffff:192.168.1.20")),
                                 QStringLiteral("192.168.1.20")));
    // A list names exactly who may send: this computer too must be on it.
    EXPECT_FALSE(oscSenderAllowed(local, QStringLiteral("192.168.1.20")));
    EXPECT_EQ(unreadableAllowList(QStringLiteral("192.168.1.20, desk, ::1")), QStringList{"desk"});
}

}  // namespace
