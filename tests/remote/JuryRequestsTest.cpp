// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury's side of show control's rules: a judge's token opens nothing of the operator's, a
// flood of marks stops only that judge, bodies are read or refused, and the state tells of
// the jury only while it is on.
#include "remote/RequestHandler.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");
const QString kInes = QStringLiteral("11111111111111111111111111111111");
const QString kOmar = QStringLiteral("22222222222222222222222222222222");

RemoteRequest request(const char* method, const char* path, const QString& token,
                      const QByteArray& body = {})
{
    return RemoteRequest{method, QString::fromUtf8(path),
                         {{"Authorization", "Bearer " + token.toLatin1()}, {"Upgrade", "websocket"}},
                         {}, body, QStringLiteral("127.0.0.1")};
}

// Ines and Omar judge; Pia's link was revoked. No jury answers: its requests get 503.
std::unique_ptr<RequestHandler> judgedHandler()
{
    auto handler = std::make_unique<RequestHandler>(kToken);
    handler->setJury([]() { return std::vector<JudgeToken>{{"Ines", kInes}, {"Omar", kOmar}, {"Pia", {}}}; },
                     {});
    return handler;
}

struct Asked {
    const char* method;
    const char* path;
    const char* body;
};

class JudgeOnOperatorRequests : public testing::TestWithParam<Asked> {};

TEST_P(JudgeOnOperatorRequests, AreRefusedWhileTheOperatorIsLetIn)
{
    const Asked& c = GetParam();
    auto handler = judgedHandler();
    const RemoteRequest asJudge = request(c.method, c.path, kInes, c.body);
    const std::optional<RemoteReply> refused = handler->admit(asJudge, 1000);
    EXPECT_EQ(refused ? refused->status : 0, 403) << c.path;
    EXPECT_EQ(handler->handle(asJudge, ShowState{}, 1000).status, 403) << c.path;
    const int status = handler->handle(request(c.method, c.path, kToken, c.body), ShowState{}, 1000).status;
    EXPECT_TRUE(status != 403 && status != 401) << c.path << " " << status;
}

INSTANTIATE_TEST_SUITE_P(
    Every, JudgeOnOperatorRequests,
    testing::Values(
        Asked{"GET", "/api/state", ""}, Asked{"GET", "/api/live", ""}, Asked{"GET", "/overlay", ""},
        Asked{"GET", "/remote", ""}, Asked{"POST", "/api/enter", ""}, Asked{"POST", "/api/escape", ""},
        Asked{"POST", "/api/next", ""}, Asked{"POST", "/api/winners", ""}, Asked{"POST", "/api/reveal", ""},
        Asked{"POST", "/api/contestant", R"({"name": "A"})"}, Asked{"POST", "/api/applause", R"({"down": true})"},
        Asked{"POST", "/api/round", R"({"name": "F"})"}, Asked{"POST", "/api/clapoff", R"({"round": "x"})"},
        Asked{"POST", "/api/round/current", R"({"name": "x"})"}, Asked{"POST", "/api/round/rename", R"({"name": "x"})"},
        Asked{"POST", "/api/jury", R"({"judges": ["I"]})"}, Asked{"POST", "/api/jury/close", R"({"name": "A"})"},
        Asked{"POST", "/api/jury/open", R"({"name": "A"})"}));

TEST(JuryRequests, AFloodOfMarksStopsThatJudgeAloneForAMinute)
{
    auto handler = judgedHandler();
    const auto markBy = [&](const QString& token, std::int64_t now) {
        return handler->handle(request("POST", "/api/mark", token, R"({"name": "A", "mark": 5, "id": "a"})"),
                               ShowState{}, now).status;
    };
    for (int sent = 0; sent < RequestHandler::kMarksPerMinute; ++sent)
        ASSERT_NE(markBy(kInes, 1000 + sent), 429) << "mark " << sent;
    EXPECT_EQ(markBy(kInes, 2000), 429);
    EXPECT_NE(markBy(kOmar, 2000), 429) << "another judge marks on";
    EXPECT_EQ(handler->handle(request("GET", "/judge", kOmar), ShowState{}, 2000).status, 200);
    EXPECT_EQ(handler->handle(request("GET", "/api/state", kToken), ShowState{}, 2000).status, 200);
    EXPECT_NE(markBy(kInes, 2001 + LoginThrottle::kWindowMs), 429) << "a minute later";
    EXPECT_EQ(handler->handle(request("GET", "/judge", QString()), ShowState{}, 2000).status, 401)
        << "a revoked link is a wrong token";
}

class BadJuryBodies : public testing::TestWithParam<Asked> {};

TEST_P(BadJuryBodies, AreRefusedWithTheirReason)
{
    const RemoteReply reply = judgedHandler()->handle(
        request("POST", GetParam().path, GetParam().method[0] == 'J' ? kInes : kToken, GetParam().body),
        ShowState{}, 1000);
    EXPECT_EQ(reply.status, 400) << GetParam().body;
    EXPECT_FALSE(QJsonDocument::fromJson(reply.body)["error"].toString().isEmpty());
}

// The method names who sends it: the operator (O) or a judge (J).
INSTANTIATE_TEST_SUITE_P(
    Table, BadJuryBodies,
    testing::Values(Asked{"O", "/api/jury", "[]"}, Asked{"O", "/api/jury", R"({"judges": ["Ines", 3]})"},
                    Asked{"O", "/api/jury", R"({"judges": ["I"], "step": 0.125})"},
                    Asked{"O", "/api/jury", R"({"judges": ["I"], "weights": {"applause": 50}})"},
                    Asked{"J", "/api/mark", R"({"name": "Ana", "mark": 5})"},
                    Asked{"J", "/api/mark", R"({"name": "Ana", "marks": {"T": "5"}, "id": "a"})"}));

TEST(JuryRequests, TheStateTellsOfTheJuryOnlyWhileItIsOnAndOfNobodysOwnMarks)
{
    ShowState state;
    state.table = {ShowRow{1, 1, "Ana", 60, true, ranking::Result{635}, 750}};
    ShowState plain = state;
    plain.table[0] = ShowRow{1, 1, "Ana", 60, true};
    EXPECT_EQ(showStateJson(state), showStateJson(plain)) << "without a jury, as it always was";
    state.jury = ShowJury{};
    state.jury->own["Ines"]["Ana"] = {820};
    const QJsonObject ana = QJsonDocument::fromJson(showStateJson(state))["table"].toArray()[0].toObject();
    EXPECT_EQ(ana["score"].toDouble(), 63.5) << "the result ranks the row";
    EXPECT_EQ(ana["jury"].toDouble(), 7.5);
    EXPECT_FALSE(showStateJson(state).contains("8.2"));
}

}  // namespace
