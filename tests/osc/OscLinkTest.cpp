// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// OSC over real UDP sockets on loopback: who may send, what a held applause does when its
// sender falls silent, and what the targets receive.
#include "osc/OscLink.h"
#include "osc/OscOutbox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <lo/lo.h>

#include <functional>

namespace {

// Runs the event loop until done says so, for at most ten seconds.
bool until(const std::function<bool()>& done)
{
    QDeadlineTimer deadline(10'000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

OscSettings listeningOn(const QString& allowFrom = {})
{
    OscSettings settings;
    settings.on = true;
    settings.port = 0;  // any free port, read back from the link
    settings.allowFrom = allowFrom;
    return settings;
}

void sendFrom(const char* from, quint16 port, const OscMessage& message)
{
    QUdpSocket sender;
    ASSERT_TRUE(sender.bind(QHostAddress(QString::fromLatin1(from)), 0)) << from;
    sender.writeDatagram(oscDatagram(message), QHostAddress::LocalHost, port);
}

TEST(OscLink, WithoutAListTakesCommandsFromThisComputerAndCountsWhatItCannotRead)
{
    OscLink link(listeningOn());
    ASSERT_TRUE(link.problem().isEmpty()) << link.problem().toStdString();
    std::vector<ShowCommand> heard;
    QObject::connect(&link, &OscLink::commandArrived,
                     [&](const ShowCommand& command) { heard.push_back(command); });

    sendFrom("127.0.0.1", link.port(), OscMessage{"/ovatron/contestant", {QStringLiteral("Ana")}});
    sendFrom("127.0.0.2", link.port(), OscMessage{"/ovatron/enter", {}});
    sendFrom("127.0.0.1", link.port(), OscMessage{"/ovatron/contestant", {std::int32_t{7}}});
    ASSERT_TRUE(until([&] { return link.counts().in + link.counts().refused == 3; }));
    EXPECT_EQ(heard, (std::vector<ShowCommand>{{ShowCommand::Kind::Contestant, "Ana", false},
                                               {ShowCommand::Kind::Enter, {}, false}}));
    EXPECT_EQ(link.counts().refused, 1);
}

TEST(OscLink, AnAllowListLetsInExactlyThoseNamed)
{
    OscLink link(listeningOn(QStringLiteral("127.0.0.3")));
    int heard = 0;
    QObject::connect(&link, &OscLink::commandArrived, [&] { ++heard; });
    sendFrom("127.0.0.1", link.port(), OscMessage{"/ovatron/enter", {}});
    sendFrom("127.0.0.3", link.port(), OscMessage{"/ovatron/escape", {}});
    ASSERT_TRUE(until([&] { return link.counts().in + link.counts().refused == 2; }));
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(link.counts().refused, 1);
}

TEST(OscLink, AHeldApplauseIsLetGoWhenItsSenderFallsSilent)
{
    OscLink link(listeningOn());
    std::vector<bool> downs;
    QObject::connect(&link, &OscLink::commandArrived, [&](const ShowCommand& command) {
        if (command.kind == ShowCommand::Kind::Applause)
            downs.push_back(command.down);
    });
    sendFrom("127.0.0.1", link.port(), OscMessage{"/ovatron/applause", {1}});
    ASSERT_TRUE(until([&] { return downs.size() == 2; }));
    EXPECT_EQ(downs, (std::vector<bool>{true, false}));
}

TEST(OscLink, TargetsHearTheShowAndTheLevelAtMostTenTimesASecond)
{
    QUdpSocket target;
    ASSERT_TRUE(target.bind(QHostAddress::LocalHost, 0));
    std::vector<QByteArray> paths;
    std::vector<int> levels;
    QObject::connect(&target, &QUdpSocket::readyRead, [&] {
        while (target.hasPendingDatagrams()) {
            QByteArray data = target.receiveDatagram().data();
            int result = 0;
            lo_message read = lo_message_deserialise(data.data(), static_cast<size_t>(data.size()), &result);
            ASSERT_NE(read, nullptr);
            paths.push_back(QByteArray(lo_get_path(data.data(), data.size())));
            if (paths.back() == "/ovatron/level")
                levels.push_back(lo_message_get_argv(read)[0]->i);
            lo_message_free(read);
        }
    });
    OscSettings settings = listeningOn();
    settings.sendTo = QStringLiteral("127.0.0.1:%1").arg(target.localPort());
    settings.sendLevel = true;
    OscLink link(settings);

    OscFacts facts;
    facts.measuring = true;
    facts.current = QStringLiteral("Ana");
    link.showChanged(facts);
    ASSERT_TRUE(until([&] { return !paths.empty(); }));
    EXPECT_EQ(paths.front(), QByteArray("/ovatron/turn/start"));

    QElapsedTimer burst;
    burst.start();
    for (int level = 1; level <= 50; ++level) {
        facts.level = level;
        link.showChanged(facts);
    }
    const qint64 took = burst.elapsed();
    ASSERT_TRUE(until([&] { return !levels.empty() && levels.back() == 50; }));
    // However slow the machine, no more than one a tenth of a second, and the last one.
    EXPECT_LE(static_cast<qint64>(levels.size()), 2 + took / OscLink::kLevelGapMs);
    EXPECT_EQ(link.counts().out, static_cast<int>(paths.size()));
}

TEST(OscLink, APortInUseIsSaidPlainly)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0));
    OscSettings settings = listeningOn();
    settings.port = holder.localPort();
    OscLink link(settings);
    EXPECT_FALSE(link.problem().isEmpty());
}

}  // namespace
