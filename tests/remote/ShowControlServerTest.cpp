// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Show control's server over real loopback sockets, as simple clients meet it: a request
// followed at once by the half-close, a frame over the limit, the live sockets' places, and
// the applause held by several remotes at once, each its own holder.
#include "remote/ShowControlServer.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray kToken = "0123456789abcdef0123456789abcdef";

// A client on a plain system socket, as nc or a button's firmware is: it can end its sending
// alone, and it tells an orderly end from a reset. Never blocks: the server shares the thread.
struct RawClient {
    explicit RawClient(quint16 port) : fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0))
    {
        sockaddr_in address{AF_INET, htons(port), {htonl(INADDR_LOOPBACK)}, {}};
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    ~RawClient() { ::close(fd); }

    // Sends bytes, then with halfClose ends the sending; reads until the server closes or
    // resets, what came holds `until`, or five seconds pass.
    void exchange(QByteArray bytes, bool halfClose, const QByteArray& until = {})
    {
        QTest::qWaitFor([&]() {
            const ssize_t sent = ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
            bytes.remove(0, std::max<ssize_t>(sent, 0));
            if (bytes.isEmpty() && halfClose)
                ::shutdown(fd, SHUT_WR);
            char buffer[65536];
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            received.append(buffer, std::max<ssize_t>(got, 0));
            reset = got < 0 && errno == ECONNRESET;
            ended = got == 0;
            return ended || reset || (!until.isEmpty() && received.contains(until));
        }, 5000);
    }

    int fd;
    QByteArray received;
    bool ended = false;
    bool reset = false;
};

QByteArray request(const QByteArray& path, const QByteArray& body = {}, bool token = true)
{
    return (body.isNull() ? "GET " : "POST ") + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
           (token ? "Authorization: Bearer " + kToken + "\r\n" : "") +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

class ShowControlServerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.listen(QHostAddress::LocalHost, 0)); }

    // Opens count live sockets at once into `into`, given the time to open: how many did.
    int openLive(std::vector<std::unique_ptr<QWebSocket>>& into, int count = 1) const
    {
        const size_t first = into.size();
        for (int i = 0; i < count; ++i) {
            into.push_back(std::make_unique<QWebSocket>());
            into.back()->open(QUrl("ws://127.0.0.1:" + QString::number(m_server.port()) +
                                   "/api/live?token=" + kToken));
        }
        const auto in = [&](QAbstractSocket::SocketState state) {
            return std::count_if(into.begin() + first, into.end(),
                                 [state](const auto& socket) { return socket->state() == state; });
        };
        QTest::qWaitFor([&]() { return in(QAbstractSocket::ConnectingState) == 0; }, 20000);
        return int(in(QAbstractSocket::ConnectedState));
    }

    ShowControlServer m_server{QString::fromLatin1(kToken), []() { return ShowState{}; }};
};

}  // namespace

TEST_F(ShowControlServerTest, AnswersAClientThatHalfClosesAfterItsRequest)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {request("/api/state"), "HTTP/1.1 200 "},
        {request("/api/enter", "{}"), "HTTP/1.1 200 "},
        {request("/remote"), "HTTP/1.1 200 "},  // the largest answer there is
        {request("/api/state", {}, false), "HTTP/1.1 401 "},
        // An upgrade without "Connection: Upgrade" cannot be carried out.
        {"GET /api/live?token=" + kToken + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n\r\n", "HTTP/1.1 426 "},
    };
    for (const auto& [bytes, status] : cases) {
        RawClient client(m_server.port());
        client.exchange(bytes, true);
        const qsizetype body = client.received.size() - client.received.indexOf("\r\n\r\n") - 4;
        EXPECT_TRUE(client.received.startsWith(status)) << bytes.left(30).constData();
        EXPECT_TRUE(client.ended && client.received.contains("Content-Length: " + QByteArray::number(body)))
            << bytes.left(30).constData();
    }
}

TEST_F(ShowControlServerTest, AFrameOverTheLimitClosesWith1009)
{
    RawClient client(m_server.port());
    // As a client does, the frame only once the server took the upgrade and told the state.
    client.exchange("GET /api/live?token=" + kToken + " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                    "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                    "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n",
                    false, "\r\n\r\n\x81");
    // A masked text frame of 1 MiB, far beyond what the server reads at once; the mask all zeros.
    const QByteArray frame = QByteArray("\x81\xff\0\0\0\0\0\x10\0\0\0\0\0\0", 14) + QByteArray(1 << 20, 'x');
    client.exchange(frame, false);
    EXPECT_FALSE(client.reset);
    EXPECT_TRUE(client.ended);
    // The close frame (after the state sent on opening), its code first.
    const qsizetype closing = client.received.indexOf('\x88');
    EXPECT_TRUE(closing > 0 && client.received.mid(closing + 2, 2) == "\x03\xf1");  // 1009
}

TEST_F(ShowControlServerTest, LiveSocketsKeepAPlaceUpToTheirNumber)
{
    // In groups within one address's share of the places, which each holds until trusted.
    std::vector<std::unique_ptr<QWebSocket>> live;
    int opened = 0;
    for (int group = 0; group < ConnectionPlaces::kLivePlaces / 16; ++group)
        opened += openLive(live, 16);
    EXPECT_EQ(opened, ConnectionPlaces::kLivePlaces);
    EXPECT_EQ(openLive(live), 0) << "one more than there are places";
    // One that goes gives its place back.
    live.front()->close();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return openLive(live) == 1; }, 5000));
}

TEST_F(ShowControlServerTest, EachRemoteHoldsItsOwnApplause)
{
    QSignalSpy commands(&m_server, &ShowControlServer::commandArrived);
    // a, b and d post on connections of their own; c holds through its live socket.
    QTcpSocket posting[3];
    const auto post = [&](int remote, bool down) {
        QTcpSocket& socket = posting[remote];
        if (socket.state() != QAbstractSocket::ConnectedState) {
            socket.connectToHost(QHostAddress::LocalHost, m_server.port());
            socket.waitForConnected(5000);
        }
        socket.write(request("/api/applause", down ? R"({"down":true})" : R"({"down":false})"));
        QTest::qWaitFor([&]() { return socket.readAll().contains("ok"); }, 5000);
    };
    std::vector<std::unique_ptr<QWebSocket>> live;
    ASSERT_EQ(openLive(live), 1);
    QWebSocket* c = live.front().get();
    // Each step, and the holds that began (+) or ended (-) by it.
    const std::tuple<const char*, std::function<void()>, std::string> steps[] = {
        {"a holds", [&]() { post(0, true); }, "+a"},
        {"b holds", [&]() { post(1, true); }, "+b"},
        {"a says down again", [&]() { post(0, true); }, ""},
        {"a lets go", [&]() { post(0, false); }, "-a"},
        {"c holds over its socket", [&]() { c->sendTextMessage(R"({"down":true})"); }, "+c"},
        {"c's socket closes", [&]() { c->close(); }, "-c"},
        {"b's connection closes", [&]() { posting[1].disconnectFromHost(); }, "-b"},
        {"d holds, then falls silent", [&]() { post(2, true); }, "+d-d"},
    };
    std::map<std::uint64_t, char> names;  // each holder, named in the order they come
    int seen = 0;
    for (const auto& [step, act, expected] : steps) {
        act();
        QTest::qWaitFor([&]() { return commands.count() >= seen + int(expected.size() / 2); },
                        3 * ShowControlServer::kApplauseSilenceMs);
        QTest::qWait(50);  // room for a change that should not come
        std::string changes;
        for (; seen < commands.count(); ++seen) {
            const auto command = commands.at(seen).at(0).value<RemoteCommand>();
            EXPECT_TRUE(command.kind == RemoteCommand::Kind::Applause && command.holder != 0);
            changes += (command.down ? '+' : '-');
            changes += names.emplace(command.holder, char('a' + names.size())).first->second;
        }
        EXPECT_EQ(changes, expected) << step;
    }
}
