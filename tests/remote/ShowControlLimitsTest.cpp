// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The limits a request meets before any of it is answered, with the bytes a sender might use:
// sizes, pipelining, keep-alive; who keeps a connection when the places are full; and which
// refusals count against an address.
#include "remote/ConnectionPlaces.h"
#include "remote/RequestReader.h"

#include <gtest/gtest.h>

namespace {

struct Read {
    RequestReader::Step step;
    int failure;
    qsizetype consumed;  // in all
};

// Offers the bytes as a connection would, chunk bytes at a time, each time with all that is
// unconsumed; stops at the first answerable step after the headers.
Read readAll(RequestReader& reader, const QByteArray& bytes, qsizetype chunk)
{
    qsizetype consumed = 0;
    qsizetype arrived = std::min(chunk, bytes.size());
    for (;;) {
        const auto progress = reader.feed(QByteArrayView(bytes).sliced(consumed, arrived - consumed));
        consumed += progress.consumed;
        if (progress.step == RequestReader::Step::Done || progress.step == RequestReader::Step::Failed)
            return {progress.step, reader.failure(), consumed};
        if (progress.step == RequestReader::Step::NeedMore) {
            if (arrived == bytes.size())
                return {progress.step, 0, consumed};
            arrived = std::min(arrived + chunk, bytes.size());
        }
    }
}

}  // namespace

TEST(RequestReader, RefusesWhatIsTooLargeBeforeReadingIt)
{
    const QByteArray big(RequestReader::kMaxHeader, 'a');
    struct Case {
        const char* what;
        QByteArray bytes;
        RequestReader::Step step;
        int failure;
    };
    const Case cases[] = {
        {"plain GET", "GET /api/state?token=x HTTP/1.1\r\nHost: h\r\n\r\n", RequestReader::Step::Done, 0},
        {"headers beyond 16 KiB", "GET / HTTP/1.1\r\nX: " + big + "\r\n\r\n", RequestReader::Step::Failed, 431},
        {"a header that never ends", "GET / HTTP/1.1\r\nX: " + big + big, RequestReader::Step::Failed, 431},
        {"a terabyte announced", "POST / HTTP/1.1\r\nContent-Length: 1000000000000\r\n\r\n",
         RequestReader::Step::Failed, 413},
        {"4 KiB body", "POST / HTTP/1.1\r\nContent-Length: 4096\r\n\r\n" + QByteArray(4096, 'b'),
         RequestReader::Step::Done, 0},
        {"chunks beyond 4 KiB",
         "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n800\r\n" + QByteArray(2048, 'c') +
             "\r\n800\r\n" + QByteArray(2048, 'c') + "\r\n1\r\nc\r\n0\r\n\r\n",
         RequestReader::Step::Failed, 413},
        {"not HTTP", "hello there, friend\r\n\r\n", RequestReader::Step::Failed, 400},
    };
    for (const Case& c : cases) {
        for (const qsizetype chunk : {qsizetype(1), qsizetype(700), c.bytes.size()}) {
            RequestReader reader;
            const Read read = readAll(reader, c.bytes, chunk);
            EXPECT_EQ(read.step, c.step) << c.what << " in chunks of " << chunk;
            EXPECT_EQ(read.failure, c.failure) << c.what;
            // What a refused request leaves unread is never buffered: at most a header's worth.
            EXPECT_LE(read.consumed, RequestReader::kMaxHeader + RequestReader::kMaxBody + 64) << c.what;
        }
    }
}

TEST(RequestReader, ReadsPipelinedRequestsOneAtATimeAndKnowsWhenToClose)
{
    const QByteArray bytes = "POST /api/enter HTTP/1.1\r\nHost: h\r\nContent-Length: 2\r\n\r\n{}"
                             "GET /overlay?token=t HTTP/1.0\r\n\r\n"
                             "GET /api/live HTTP/1.1\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n\r\n";
    RequestReader reader;
    qsizetype at = 0;
    std::vector<std::tuple<QString, QByteArray, bool, bool>> seen;
    for (;;) {
        const auto progress = reader.feed(QByteArrayView(bytes).sliced(at));
        at += progress.consumed;
        ASSERT_NE(progress.step, RequestReader::Step::Failed);
        if (progress.step == RequestReader::Step::NeedMore)
            break;
        if (progress.step == RequestReader::Step::Done) {
            const RemoteRequest request = reader.request("10.0.0.9");
            seen.emplace_back(request.path, request.body, reader.keepAlive(), reader.wantsWebSocket());
            EXPECT_EQ(request.peer, "10.0.0.9");
            reader.reset();
        }
    }
    EXPECT_EQ(seen, (std::vector<std::tuple<QString, QByteArray, bool, bool>>{
                        {"/api/enter", "{}", true, false},
                        {"/overlay", "", false, false},
                        {"/api/live", "", true, true}}));
    EXPECT_EQ(at, bytes.size());
}

TEST(ConnectionPlaces, OnlyUntrustedConnectionsGiveWayAndOneAddressHoldsHalf)
{
    ConnectionPlaces places;
    std::uint64_t id = 0;
    // An address that opens socket after socket pushes out only its own oldest.
    for (int i = 0; i < ConnectionPlaces::kPlacesPerAddress; ++i)
        EXPECT_FALSE(places.arrive(++id, "10.0.0.66").evict);
    const auto own = places.arrive(++id, "10.0.0.66");
    EXPECT_TRUE(own.admitted);
    EXPECT_EQ(own.evict, std::optional<std::uint64_t>(1));
    // The operator's browser: its connections show the token and are never pushed out.
    std::vector<std::uint64_t> operatorIds;
    for (int i = 0; i < ConnectionPlaces::kPlaces - ConnectionPlaces::kPlacesPerAddress; ++i) {
        const auto admission = places.arrive(++id, "10.0.0.2");
        EXPECT_TRUE(admission.admitted && !admission.evict);
        places.trust(id);
        operatorIds.push_back(id);
    }
    EXPECT_EQ(places.count(), ConnectionPlaces::kPlaces);
    // Full: a newcomer takes the oldest untrusted place, never a trusted one.
    for (int i = 0; i < 3 * ConnectionPlaces::kPlaces; ++i) {
        const auto admission = places.arrive(++id, i % 2 ? "10.0.0.7" : "10.0.0.66");
        EXPECT_TRUE(admission.admitted);
        ASSERT_TRUE(admission.evict);
        EXPECT_EQ(std::count(operatorIds.begin(), operatorIds.end(), *admission.evict), 0);
    }
    // With every place trusted, a newcomer is refused.
    ConnectionPlaces trusted;
    for (std::uint64_t n = 1; n <= ConnectionPlaces::kPlaces; ++n) {
        trusted.arrive(n, "10.0.0.2");
        trusted.trust(n);
    }
    EXPECT_FALSE(trusted.arrive(1000, "10.0.0.3").admitted);
    trusted.leave(5);
    EXPECT_TRUE(trusted.arrive(1001, "10.0.0.3").admitted);
}

TEST(ConnectionPlaces, AnAddresssTrustedConnectionsLeaveItsUntrustedHalfWhole)
{
    // The operator's computer holds trusted connections (an overlay, the remote page) while
    // its other sockets have not shown the token yet: only those count towards its half.
    ConnectionPlaces places;
    std::uint64_t id = 0;
    for (int i = 0; i < ConnectionPlaces::kPlacesPerAddress - 1; ++i) {
        places.arrive(++id, "10.0.0.2");
        places.trust(id);
    }
    for (int i = 0; i < ConnectionPlaces::kPlacesPerAddress; ++i) {
        const auto admission = places.arrive(++id, "10.0.0.2");
        EXPECT_TRUE(admission.admitted && !admission.evict) << "untrusted connection " << i;
    }
    // Only a trusted connection goes live, and leaves the plain places when it does.
    EXPECT_FALSE(places.goLive(id));
    EXPECT_TRUE(places.goLive(1));
    EXPECT_EQ(places.count(), 2 * ConnectionPlaces::kPlacesPerAddress - 2);
}

TEST(RequestHandler, OnlyWrongTokensCountAndTheRightOneIsNeverRefused)
{
    const QString token = QStringLiteral("0123456789abcdef0123456789abcdef");
    RequestHandler handler(token);
    const auto ask = [&](const QByteArray& offered, QList<QPair<QByteArray, QByteArray>> headers = {}) {
        RemoteRequest request{"GET", "/api/state", std::move(headers), {}, {}, "127.0.0.1"};
        request.headers.append(qMakePair(QByteArray("Host"), QByteArray("127.0.0.1:7480")));
        if (!offered.isNull())
            request.headers.append(qMakePair(QByteArray("Authorization"), "Bearer " + offered));
        return handler.handle(request, ShowState{}, 1000).status;
    };
    // A foreign page's requests and requests without any token are refused but not counted.
    for (int i = 0; i < 3 * LoginThrottle::kMaxFailures; ++i) {
        EXPECT_EQ(ask("wrong", {{"Origin", "http://evil.example"}}), 403);
        EXPECT_EQ(ask("wrong", {{"Sec-Fetch-Site", "cross-site"}}), 403);
        EXPECT_EQ(ask(QByteArray()), 401);
    }
    EXPECT_EQ(ask("wrong"), 401);
    // Wrong tokens: refused, then throttled; the right one still gets through.
    for (int i = 1; i < LoginThrottle::kMaxFailures + 2; ++i)
        ask("wrong");
    EXPECT_EQ(ask("wrong"), 429);
    EXPECT_EQ(ask(token.toUtf8()), 200);
    EXPECT_EQ(ask(token.toUtf8(), {{"Origin", "http://127.0.0.1:7480"}}), 200);
}
