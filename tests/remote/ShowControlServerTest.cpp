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

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");

// A client on a plain system socket, as nc or a button's firmware is: it can end its sending
// alone, and it tells an orderly end from a reset. Never blocks: the server shares the thread.
class RawClient {
public:
    explicit RawClient(quint16 port) : m_fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    ~RawClient() { ::close(m_fd); }

    // Sends bytes (what the peer does not take at once is sent while waiting), then, with
    // halfClose, ends the sending; reads until the server closes, resets or five seconds pass,
    // or until what came holds `until`.
    void exchange(QByteArray bytes, bool halfClose, const QByteArray& until = {})
    {
        QTest::qWaitFor(
            [&]() {
                const ssize_t sent = bytes.isEmpty() ? 0 : ::send(m_fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
                if (sent > 0)
                    bytes.remove(0, sent);
                if (bytes.isEmpty() && halfClose)
                    ::shutdown(m_fd, SHUT_WR);
                char buffer[65536];
                const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
                if (got > 0)
                    received.append(buffer, got);
                reset = got < 0 && errno == ECONNRESET;
                ended = got == 0;
                return ended || reset || (!until.isEmpty() && received.contains(until));
            },
            5000);
    }

    QByteArray received;
    bool ended = false;
    bool reset = false;

private:
    int m_fd;
};

QByteArray request(const QByteArray& method, const QByteArray& path, const QByteArray& body = {})
{
    return method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
           kToken.toLatin1() + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\n\r\n" + body;
}

QByteArray upgrade()
{
    return "GET /api/live?token=" + kToken.toLatin1() +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
}

class ShowControlServerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.listen(QHostAddress::LocalHost, 0)); }

    QUrl liveUrl() const
    {
        return QUrl(QStringLiteral("ws://127.0.0.1:%1/api/live?token=%2").arg(m_server.port()).arg(kToken));
    }

    ShowControlServer m_server{kToken, []() { return ShowState{}; }};
};

}  // namespace

TEST_F(ShowControlServerTest, AnswersAClientThatHalfClosesAfterItsRequest)
{
    const struct {
        QByteArray bytes;
        QByteArray status;
    } cases[] = {
        {request("GET", "/api/state"), "HTTP/1.1 200 "},
        {request("POST", "/api/enter", "{}"), "HTTP/1.1 200 "},
        {request("GET", "/remote"), "HTTP/1.1 200 "},  // the largest answer there is
        {"GET /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "HTTP/1.1 401 "},
    };
    for (const auto& c : cases) {
        RawClient client(m_server.port());
        client.exchange(c.bytes, true);
        EXPECT_TRUE(client.received.startsWith(c.status)) << c.bytes.left(30).constData();
        const qsizetype head = client.received.indexOf("\r\n\r\n") + 4;
        const QByteArray length = "Content-Length: " + QByteArray::number(client.received.size() - head);
        EXPECT_TRUE(client.ended && client.received.contains(length)) << c.bytes.left(30).constData();
    }
}

TEST_F(ShowControlServerTest, AFrameOverTheLimitClosesWith1009)
{
    for (const qsizetype size : {RequestHandler::kMaxBody + 1, qsizetype(1) << 20}) {
        RawClient client(m_server.port());
        // A masked text frame, its length in 16 or 64 bits as the size needs, the mask all zeros.
        const bool wide = size > 0xffff;
        QByteArray frame("\x81", 1);
        frame += char(wide ? 0xff : 0xfe);
        for (int shift = wide ? 56 : 8; shift >= 0; shift -= 8)
            frame += char((quint64(size) >> shift) & 0xff);
        frame += QByteArray(4, '\0') + QByteArray(size, 'x');
        // As a client does, the frame only once the server took the upgrade and told the state.
        client.exchange(upgrade(), false, "\r\n\r\n\x81");
        client.exchange(frame, false);
        EXPECT_FALSE(client.reset) << size;
        EXPECT_TRUE(client.ended) << size;
        // The close frame (after the state sent on opening), its code first.
        const qsizetype closing = client.received.indexOf('\x88');
        EXPECT_TRUE(closing > 0 && client.received.mid(closing + 2, 2) == "\x03\xf1") << size;  // 1009
    }
}

TEST_F(ShowControlServerTest, LiveSocketsKeepAPlaceUpToTheirNumber)
{
    std::vector<std::unique_ptr<QWebSocket>> live;
    // Opens count sockets at once: how many of them the server took.
    const auto open = [&](int count) {
        const size_t first = live.size();
        for (int i = 0; i < count; ++i) {
            live.push_back(std::make_unique<QWebSocket>());
            live.back()->open(liveUrl());
        }
        const auto connected = [&](const auto& socket) {
            return socket->state() == QAbstractSocket::ConnectedState;
        };
        QTest::qWaitFor([&]() {
            return std::none_of(live.begin() + first, live.end(), [](const auto& socket) {
                return socket->state() == QAbstractSocket::ConnectingState;
            });
        }, 20000);
        return std::count_if(live.begin() + first, live.end(), connected);
    };
    // In groups that stay within one address's share of the places not yet trusted.
    int opened = 0;
    for (int group = 0; group < ConnectionPlaces::kLivePlaces / 16; ++group)
        opened += open(16);
    EXPECT_EQ(opened, ConnectionPlaces::kLivePlaces);
    EXPECT_EQ(open(1), 0) << "one more than there are places";
    // The plain requests' places are not taken by the live ones.
    RawClient plain(m_server.port());
    plain.exchange(request("GET", "/api/state"), true);
    EXPECT_TRUE(plain.received.startsWith("HTTP/1.1 200 "));
    // A live socket that goes gives its place back.
    live.front()->close();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return open(1) == 1; }, 5000));
}

TEST_F(ShowControlServerTest, EachRemoteHoldsItsOwnApplause)
{
    QSignalSpy commands(&m_server, &ShowControlServer::commandArrived);
    // Holds and releases from four remotes: a, b and d post on connections of their own, c
    // holds through its live socket. After each step, the holds that began (+) or ended (-).
    QTcpSocket posting[3];
    QWebSocket c;
    c.open(liveUrl());
    ASSERT_TRUE(QTest::qWaitFor([&]() { return c.state() == QAbstractSocket::ConnectedState; }, 5000));
    const auto post = [&](int remote, bool down) {
        QTcpSocket& socket = posting[remote];
        if (socket.state() != QAbstractSocket::ConnectedState) {
            socket.connectToHost(QHostAddress::LocalHost, m_server.port());
            socket.waitForConnected(5000);
        }
        socket.write(request("POST", "/api/applause", down ? R"({"down":true})" : R"({"down":false})"));
        QTest::qWaitFor([&]() { return socket.readAll().contains("ok"); }, 5000);
    };
    const struct {
        const char* step;
        std::function<void()> act;
        const char* changes;
    } steps[] = {
        {"a holds", [&]() { post(0, true); }, "+a"},
        {"b holds", [&]() { post(1, true); }, "+b"},
        {"a says down again", [&]() { post(0, true); }, ""},
        {"a lets go", [&]() { post(0, false); }, "-a"},
        {"c holds over its socket", [&]() { c.sendTextMessage(R"({"down":true})"); }, "+c"},
        {"c's socket closes", [&]() { c.close(); }, "-c"},
        {"b's connection closes", [&]() { posting[1].disconnectFromHost(); }, "-b"},
        {"d holds, then falls silent", [&]() { post(2, true); }, "+d-d"},
    };
    std::map<std::uint64_t, char> names;  // each holder, named in the order they come
    int seen = 0;
    for (const auto& s : steps) {
        s.act();
        const qsizetype expected = std::strlen(s.changes) / 2;
        QTest::qWaitFor([&]() { return commands.count() >= seen + expected; },
                        3 * ShowControlServer::kApplauseSilenceMs);
        QTest::qWait(50);  // room for a change that should not come
        std::string changes;
        for (; seen < commands.count(); ++seen) {
            const auto command = commands.at(seen).at(0).value<RemoteCommand>();
            EXPECT_EQ(command.kind, RemoteCommand::Kind::Applause);
            EXPECT_NE(command.holder, 0u);
            const char name = names.emplace(command.holder, char('a' + names.size())).first->second;
            changes += std::string(command.down ? "+" : "-") + name;
        }
        EXPECT_EQ(changes, s.changes) << s.step;
    }
}
