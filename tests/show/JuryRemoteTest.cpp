// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury over show control, through the real server on loopback and the show's session:
// the set-up's links, each mark's answer, markings closed and opened by name, and the state.

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "remote/ShowControlSettings.h"
#include "show/MeterSession.h"
#include "show/ShowControlLink.h"
#include "ShowControlRequests.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

#include <memory>

namespace {

using ovatron::test::bodyOf;
using ovatron::test::freePort;
using ovatron::test::get;
using ovatron::test::post;
using ovatron::test::statusOf;

Score entry(const char* name, int score, std::int64_t order)
{
    return Score{brio::fromQString(QString::fromUtf8(name)), score, order};
}

class JuryRemoteTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_settings.init("Ovatron");
        storeUseLeagueTable(m_settings, true);
        storeShowSummaryScreen(m_settings, false);
        storeTurnSeconds(m_settings, 0);
        m_session = std::make_unique<MeterSession>(m_settings);
        m_session->setListening([]() { return true; });
        m_session->restoreEvent({entry("Ana", 80, 0), entry("Bo", 60, 1)}, brio::BRStringArray(), 2);
        m_link = std::make_unique<ShowControlLink>(m_settings, *m_session);
        const int port = freePort();
        ASSERT_GT(port, 0);
        m_link->startForThisRun(port);
        ASSERT_TRUE(m_link->isRunning());
        m_token = loadShowControlSettings(m_settings).token;
        m_desk.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        ASSERT_TRUE(m_desk.waitForConnected(5000));
    }

    QByteArray ask(const QByteArray& path, const QByteArray& body, const QString& token = {})
    {
        return post(m_desk, path, body, token.isEmpty() ? m_token : token);
    }

    // The judges' tokens, from the links of a set-up of Ines, Omar and Pia.
    QStringList setUpThree()
    {
        const QByteArray reply =
            ask("/api/jury", R"({"judges": ["Ines", "Omar", "Pia"], "max": 10, "step": 0.5})");
        EXPECT_EQ(statusOf(reply), 200) << reply.constData();
        QStringList tokens;
        for (const QJsonValue& judge : QJsonDocument::fromJson(bodyOf(reply))["judges"].toArray())
            tokens << judge.toObject()["link"].toString().section(QStringLiteral("token="), 1);
        return tokens;
    }

    std::optional<jury::Hundredths> juryOf(std::int64_t order) const
    {
        const auto mark = m_session->jury().juryMarkOf(order);
        return mark ? std::optional(mark->hundredths()) : std::nullopt;
    }

    AppConfig m_settings;
    std::unique_ptr<MeterSession> m_session;
    std::unique_ptr<ShowControlLink> m_link;
    QString m_token;
    QTcpSocket m_desk;
};

TEST_F(JuryRemoteTest, ASetUpAnswersEachJudgesLinkAndItsProblemsWithTheReason)
{
    const QByteArray reply = ask(
        "/api/jury", R"({"judges": ["Ines", " Omar "], "dropExtremes": true,
                        "criteria": [{"name": "Talent", "weight": 2}, {"name": "Stage"}],
                        "weights": {"applause": 30, "jury": 70}})");
    ASSERT_EQ(statusOf(reply), 200) << reply.constData();
    const QJsonArray judges = QJsonDocument::fromJson(bodyOf(reply))["judges"].toArray();
    ASSERT_EQ(judges.size(), 2);
    const std::vector<jury::Judge>& known = m_session->jury().judges();
    ASSERT_EQ(known.size(), 2u);
    EXPECT_EQ(judges[1].toObject()["name"].toString(), QStringLiteral("Omar"));
    EXPECT_EQ(judges[1].toObject()["link"].toString(),
              QStringLiteral("http://127.0.0.1/judge?token=") + known[1].token);
    const jury::JuryRules& rules = *m_session->jury().rules();
    EXPECT_TRUE(rules.dropExtremes);
    EXPECT_EQ(rules.criteria.size(), 2u);
    EXPECT_EQ(rules.criteria[0].weight, 2);
    EXPECT_EQ(rules.weights.jury, 70);

    const QByteArray twice = ask("/api/jury", R"({"judges": ["Ines", "ines"]})");
    EXPECT_EQ(statusOf(twice), 400);
    EXPECT_TRUE(bodyOf(twice).contains("ines")) << twice.constData();
    EXPECT_EQ(m_session->jury().judges().size(), 2u) << "a refused set-up changes nothing";

    // Omar is left out: his link opens nothing any more.
    ASSERT_EQ(statusOf(ask("/api/jury", R"({"judges": ["Ines"]})")), 200);
    EXPECT_EQ(statusOf(get(m_desk, "/api/judge", known[1].token)), 401);
}

TEST_F(JuryRemoteTest, EachMarkIsAnsweredForWhatBecameOfIt)
{
    const QStringList tokens = setUpThree();
    ASSERT_EQ(tokens.size(), 3);
    ASSERT_TRUE(m_session->openMarking(0));
    ASSERT_TRUE(m_session->openMarking(1));
    ASSERT_TRUE(m_session->closeMarking(1));
    struct Case {
        const char* what;
        int judge;
        const char* body;
        int status;
        std::optional<jury::Hundredths> anasJ;
    };
    // In order: each case sees what the ones before it did.
    const Case cases[] = {
        {"taken", 0, R"({"name": "Ana", "mark": 7.5, "id": "m1"})", 200, 750},
        {"the same id again counts once", 0, R"({"name": "Ana", "mark": 2, "id": "m1"})", 200, 750},
        {"another judge", 1, R"({"name": "ana", "mark": 9, "id": "m1"})", 200, 825},
        {"unknown contestant", 2, R"({"name": "Zed", "mark": 5, "id": "z"})", 404, 825},
        {"closed", 2, R"({"name": "Bo", "mark": 5, "id": "b"})", 409, 825},
        {"out of range", 2, R"({"name": "Ana", "mark": 10.5, "id": "r"})", 400, 825},
        {"off the step", 2, R"({"name": "Ana", "mark": 7.25, "id": "s"})", 400, 825},
        {"two marks where one is wanted", 2,
         R"({"name": "Ana", "marks": {"Talent": 5, "Stage": 6}, "id": "c"})", 400, 825},
    };
    for (const Case& c : cases) {
        const QByteArray reply = ask("/api/mark", c.body, tokens[c.judge]);
        EXPECT_EQ(statusOf(reply), c.status) << c.what << ": " << reply.constData();
        EXPECT_EQ(juryOf(0), c.anasJ) << c.what;
    }
    ASSERT_TRUE(m_session->revokeJudge(QStringLiteral("Pia")));
    EXPECT_EQ(statusOf(ask("/api/mark", R"({"name": "Ana", "mark": 1, "id": "v"})", tokens[2])), 401)
        << "a revoked link";
    EXPECT_EQ(juryOf(0), 825);
}

TEST_F(JuryRemoteTest, TheOperatorClosesAndOpensMarkingByNameAndTheStateTellsWhoMarked)
{
    const QStringList tokens = setUpThree();
    ASSERT_TRUE(m_session->openMarking(0));
    ASSERT_EQ(statusOf(ask("/api/mark", R"({"name": "Ana", "mark": 6, "id": "a"})", tokens[1])), 200);

    const QJsonObject state = QJsonDocument::fromJson(bodyOf(get(m_desk, "/api/state", m_token))).object();
    EXPECT_EQ(state["jury"]["open"].toArray(), QJsonArray{QStringLiteral("Ana")});
    EXPECT_EQ(state["jury"]["marked"]["Ana"].toArray(), QJsonArray{QStringLiteral("Omar")});
    const QJsonObject ana = state["table"].toArray()[0].toObject();
    EXPECT_EQ(ana["applause"].toInt(), 80);
    EXPECT_EQ(ana["jury"].toDouble(), 6.0);
    EXPECT_EQ(ana["score"].toDouble(), 70.0) << "(80 + 60) / 2";

    struct Case {
        const char* path;
        const char* name;
        int status;
        bool anaOpen;
    };
    const Case cases[] = {
        {"/api/jury/close", "ana", 200, false}, {"/api/jury/close", "Ana", 409, false},
        {"/api/jury/close", "Zed", 404, false}, {"/api/jury/open", "Zed", 404, false},
        {"/api/jury/open", "Ana", 200, true},   {"/api/jury/open", "Ana", 200, true},
    };
    for (const Case& c : cases) {
        const QByteArray body = QByteArray(R"({"name": ")") + c.name + "\"}";
        EXPECT_EQ(statusOf(ask(c.path, body)), c.status) << c.path << " " << c.name;
        EXPECT_EQ(m_session->jury().pending(0), c.anaOpen) << c.path << " " << c.name;
    }
    // A judge sees the open contestants and her own mark only.
    const QJsonObject view =
        QJsonDocument::fromJson(bodyOf(get(m_desk, "/api/judge", tokens[0]))).object();
    ASSERT_EQ(view["open"].toArray().size(), 1);
    EXPECT_TRUE(view["open"].toArray()[0].toObject()["mine"].isNull()) << "Omar's mark is not Ines's";
}

}  // namespace
