// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury's side of show control's rules: a judge's token opens her own page, view and marks
// and nothing of the operator's; a flood of marks stops only that judge; a judge is told her
// own marks alone; the state tells of the jury only while it is on.
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
                         {{"Authorization", "Bearer " + token.toLatin1()},
                          {"Host", "127.0.0.1:8080"},
                          {"Upgrade", "websocket"}},
                         {}, body, QStringLiteral("127.0.0.1")};
}

std::unique_ptr<RequestHandler> judgedHandler()
{
    auto handler = std::make_unique<RequestHandler>(kToken);
    handler->setJury(
        []() {
            return std::vector<JudgeToken>{{QStringLiteral("Ines"), kInes},
                                           {QStringLiteral("Omar"), kOmar},
                                           {QStringLiteral("Pia"), QString()}};  // revoked
        },
        {});
    return handler;
}

struct OperatorRequest {
    const char* method;
    const char* path;
    const char* body;
};

class JudgeOnOperatorRequests : public testing::TestWithParam<OperatorRequest> {};

TEST_P(JudgeOnOperatorRequests, AreRefusedWhileTheOperatorIsLetIn)
{
    const OperatorRequest& c = GetParam();
    auto handler = judgedHandler();
    const RemoteRequest asJudge = request(c.method, c.path, kInes, c.body);
    ASSERT_TRUE(handler->admit(asJudge, 1000).has_value()) << c.path;
    EXPECT_EQ(handler->admit(asJudge, 1000)->status, 403) << c.path;
    EXPECT_EQ(handler->handle(asJudge, ShowState{}, 1000).status, 403) << c.path;
    const RemoteReply asOperator = handler->handle(request(c.method, c.path, kToken, c.body),
                                                   ShowState{}, 1000);
    EXPECT_NE(asOperator.status, 403) << c.path;
    EXPECT_NE(asOperator.status, 401) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Every, JudgeOnOperatorRequests,
    testing::Values(OperatorRequest{"GET", "/api/state", ""}, OperatorRequest{"GET", "/api/live", ""},
                    OperatorRequest{"GET", "/overlay", ""}, OperatorRequest{"GET", "/remote", ""},
                    OperatorRequest{"POST", "/api/enter", ""}, OperatorRequest{"POST", "/api/escape", ""},
                    OperatorRequest{"POST", "/api/next", ""}, OperatorRequest{"POST", "/api/winners", ""},
                    OperatorRequest{"POST", "/api/reveal", ""},
                    OperatorRequest{"POST", "/api/contestant", R"({"name": "Ana"})"},
                    OperatorRequest{"POST", "/api/applause", R"({"down": true})"},
                    OperatorRequest{"POST", "/api/round", R"({"name": "Final"})"},
                    OperatorRequest{"POST", "/api/clapoff", R"({"round": "x", "names": []})"},
                    OperatorRequest{"POST", "/api/round/current", R"({"name": "x"})"},
                    OperatorRequest{"POST", "/api/round/rename", R"({"name": "x", "to": "y"})"},
                    OperatorRequest{"POST", "/api/jury", R"({"judges": ["Ines"]})"},
                    OperatorRequest{"POST", "/api/jury/close", R"({"name": "Ana"})"},
                    OperatorRequest{"POST", "/api/jury/open", R"({"name": "Ana"})"}));

TEST(JuryRequests, AJudgeIsToldHerOwnMarksAloneAndARevokedLinkOpensNothing)
{
    auto handler = judgedHandler();
    ShowState state;
    ShowJury jury;
    jury.rules.judges = {QStringLiteral("Ines"), QStringLiteral("Omar")};
    jury.rules.criteria = {{QStringLiteral("Talent"), 1}, {QStringLiteral("Stage"), 1}};
    jury.open = {QStringLiteral("Bo"), QStringLiteral("Ana")};
    jury.own[QStringLiteral("Ines")][QStringLiteral("Ana")] = {750, 800};
    jury.own[QStringLiteral("Omar")][QStringLiteral("Bo")] = {300, 400};
    state.jury = jury;

    const RemoteReply page = handler->handle(request("GET", "/judge", kInes), state, 1000);
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.contentType.startsWith("text/html"));
    ASSERT_EQ(page.headers.size(), 1);
    EXPECT_TRUE(page.headers[0].second.contains("script-src 'sha256-"));
    EXPECT_FALSE(page.body.contains("{{")) << "every word of the page is put in";

    const RemoteReply view = handler->handle(request("GET", "/api/judge", kInes), state, 1000);
    ASSERT_EQ(view.status, 200);
    const QJsonObject shown = QJsonDocument::fromJson(view.body).object();
    EXPECT_EQ(shown["judge"].toString(), QStringLiteral("Ines"));
    const QJsonArray open = shown["open"].toArray();
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[0].toObject()["name"].toString(), QStringLiteral("Bo")) << "the latest first";
    EXPECT_TRUE(open[0].toObject()["mine"].isNull()) << "Omar's mark of Bo is not Ines's to see";
    EXPECT_EQ(open[1].toObject()["mine"].toObject(), (QJsonObject{{"Talent", 7.5}, {"Stage", 8}}));
    EXPECT_EQ(open[1].toObject()["criteria"].toArray().size(), 2);
    EXPECT_EQ(open[1].toObject()["step"].toDouble(), 0.5);

    // A revoked link is a wrong token, nothing more.
    EXPECT_EQ(handler->handle(request("GET", "/api/judge", QString()), state, 1000).status, 401);
    // The operator's token is no judge's.
    EXPECT_EQ(handler->handle(request("POST", "/api/mark", kToken, "{}"), state, 1000).status, 403);
}

TEST(JuryRequests, AFloodOfMarksStopsThatJudgeAloneForAMinute)
{
    auto handler = judgedHandler();
    const QByteArray mark = R"({"name": "Ana", "mark": 5, "id": "a"})";
    const auto markBy = [&](const QString& token, std::int64_t now) {
        return handler->handle(request("POST", "/api/mark", token, mark), ShowState{}, now).status;
    };
    for (int sent = 0; sent < RequestHandler::kMarksPerMinute; ++sent)
        ASSERT_NE(markBy(kInes, 1000 + sent), 429) << "mark " << sent;
    EXPECT_EQ(markBy(kInes, 2000), 429);
    EXPECT_NE(markBy(kOmar, 2000), 429) << "another judge marks on";
    EXPECT_EQ(handler->handle(request("GET", "/api/state", kToken), ShowState{}, 2000).status, 200);
    EXPECT_NE(markBy(kInes, 2000 + LoginThrottle::kWindowMs + 1), 429) << "a minute later";
}

struct BadBody {
    const char* path;
    const char* body;
};

class BadJuryBodies : public testing::TestWithParam<BadBody> {};

TEST_P(BadJuryBodies, AreRefusedWithTheirReason)
{
    auto handler = judgedHandler();
    const QString& token = QString::fromUtf8(GetParam().path) == u"/api/mark" ? kInes : kToken;
    const RemoteReply reply =
        handler->handle(request("POST", GetParam().path, token, GetParam().body), ShowState{}, 1000);
    EXPECT_EQ(reply.status, 400) << GetParam().body;
    EXPECT_FALSE(QJsonDocument::fromJson(reply.body)["error"].toString().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadJuryBodies,
    testing::Values(BadBody{"/api/jury", "[]"}, BadBody{"/api/jury", R"({"judges": "Ines"})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines", 3]})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines"], "max": "ten"})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines"], "step": 0.125})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines"], "dropExtremes": 1})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines"], "criteria": [{"weight": 1}]})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines"], "criteria": [{"name": "T", "weight": 1.5}]})"},
                    BadBody{"/api/jury", R"({"judges": ["Ines"], "weights": {"applause": 50}})"},
                    BadBody{"/api/jury/close", R"({"name": 3})"},
                    BadBody{"/api/mark", R"({"name": "Ana", "mark": 5})"},
                    BadBody{"/api/mark", R"({"name": "Ana", "id": "a"})"},
                    BadBody{"/api/mark", R"({"name": "Ana", "mark": 5, "marks": {"T": 5}, "id": "a"})"},
                    BadBody{"/api/mark", R"({"name": "Ana", "mark": "5", "id": "a"})"},
                    BadBody{"/api/mark", R"({"name": "Ana", "marks": {"T": "5"}, "id": "a"})"}));

TEST(JuryRequests, TheStateTellsOfTheJuryOnlyWhileItIsOn)
{
    ShowState state;
    state.table = {ShowRow{1, 1, QStringLiteral("Ana"), 60, true, ranking::Result{635}, 750},
                   ShowRow{2, 2, QStringLiteral("Bo"), 70, false, ranking::Result{350}, std::nullopt}};
    const QByteArray without = showStateJson(state);
    EXPECT_FALSE(without.contains("\"jury\"")) << without.constData();
    EXPECT_TRUE(without.contains(R"("score":60)"));

    ShowJury jury;
    jury.rules.judges = {QStringLiteral("Ines"), QStringLiteral("Omar")};
    jury.rules.weights = {40, 60};
    jury.open = {QStringLiteral("Ana")};
    jury.marked = {{QStringLiteral("Ana"), {QStringLiteral("Ines")}}};
    jury.own[QStringLiteral("Ines")][QStringLiteral("Ana")] = {750};
    state.jury = jury;
    const QJsonObject shown = QJsonDocument::fromJson(showStateJson(state)).object();
    const QJsonObject ana = shown["table"].toArray()[0].toObject();
    EXPECT_EQ(ana["score"].toDouble(), 63.5) << "the result ranks the row";
    EXPECT_EQ(ana["applause"].toInt(), 60);
    EXPECT_EQ(ana["jury"].toDouble(), 7.5);
    EXPECT_TRUE(shown["table"].toArray()[1].toObject()["jury"].isNull());
    EXPECT_EQ(shown["jury"]["judges"].toArray().size(), 2);
    EXPECT_EQ(shown["jury"]["open"].toArray()[0].toString(), QStringLiteral("Ana"));
    EXPECT_EQ(shown["jury"]["marked"]["Ana"].toArray()[0].toString(), QStringLiteral("Ines"));
    EXPECT_EQ(shown["jury"]["weights"].toObject(), (QJsonObject{{"applause", 40}, {"jury", 60}}));
    EXPECT_FALSE(showStateJson(state).contains("750")) << "nobody's own marks are in the state";
}

}  // namespace
