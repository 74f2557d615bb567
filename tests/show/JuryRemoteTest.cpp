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

#include <memory>
#include <tuple>

namespace {

using namespace ovatron::test;

class JuryRemoteTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_settings.init("Ovatron");
        storeUseLeagueTable(m_settings, true);
        storeShowSummaryScreen(m_settings, false);
        m_session = std::make_unique<MeterSession>(m_settings);
        m_session->restoreEvent({Score{brio::fromQString("Ana"), 80, 0}, Score{brio::fromQString("Bo"), 60, 1}}, brio::BRStringArray(), 2);
        m_link = std::make_unique<ShowControlLink>(m_settings, *m_session);
        const int port = freePort();
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
    QJsonObject answer(const QByteArray& reply) { return QJsonDocument::fromJson(bodyOf(reply)).object(); }

    std::optional<jury::Hundredths> anasJ() const
    {
        const auto mark = m_session->jury().juryMarkOf(0);
        return mark ? std::optional(mark->hundredths()) : std::nullopt;
    }

    AppConfig m_settings;
    std::unique_ptr<MeterSession> m_session;
    std::unique_ptr<ShowControlLink> m_link;
    QString m_token;
    QTcpSocket m_desk;
};

TEST_F(JuryRemoteTest, ASetUpAnswersEachJudgesLinkAndEachMarkWhatBecameOfIt)
{
    const QByteArray twice = ask("/api/jury", R"({"judges": ["Ines", "ines"]})");
    EXPECT_EQ(statusOf(twice), 400);
    EXPECT_TRUE(bodyOf(twice).contains("ines")) << "the reason names her";
    const QByteArray reply = ask("/api/jury", R"({"judges": ["Ines", " Omar ", "Pia"], "dropExtremes": true,
                                                  "weights": {"applause": 30, "jury": 70}})");
    ASSERT_EQ(statusOf(reply), 200) << reply.constData();
    const QJsonArray links = answer(reply)["judges"].toArray();
    const std::vector<jury::Judge>& judges = m_session->jury().judges();
    ASSERT_EQ(links.size(), 3);
    EXPECT_EQ(links[1].toObject()["name"].toString(), "Omar");
    EXPECT_EQ(links[1].toObject()["link"].toString(), "http://127.0.0.1/judge?token=" + judges[1].token);
    EXPECT_TRUE(m_session->jury().rules()->dropExtremes);
    EXPECT_EQ(m_session->jury().rules()->weights.jury, 70);
    const QStringList tokens = {judges[0].token, judges[1].token, judges[2].token};
    ASSERT_TRUE(m_session->openMarking(0));
    ASSERT_TRUE(m_session->openMarking(1));
    ASSERT_TRUE(m_session->closeMarking(1));
    // In order: the same id again counts once, so Ana's J ends as the mean of 7.5 and 9.
    const std::tuple<const char*, int, const char*, int> cases[] = {
        {"taken", 0, R"({"name": "Ana", "mark": 7.5, "id": "m1"})", 200},
        {"the same id again counts once", 0, R"({"name": "Ana", "mark": 2, "id": "m1"})", 200},
        {"another judge", 1, R"({"name": "ana", "mark": 9, "id": "m1"})", 200},
        {"unknown contestant", 2, R"({"name": "Zed", "mark": 5, "id": "z"})", 404},
        {"closed", 2, R"({"name": "Bo", "mark": 5, "id": "b"})", 409},
        {"out of range", 2, R"({"name": "Ana", "mark": 10.5, "id": "r"})", 400},
        {"off the step", 2, R"({"name": "Ana", "mark": 7.25, "id": "s"})", 400},
        {"two marks for one", 2, R"({"name": "Ana", "marks": {"A": 5, "B": 6}, "id": "c"})", 400},
    };
    for (const auto& [what, judge, body, status] : cases) {
        const QByteArray marked = ask("/api/mark", body, tokens[judge]);
        EXPECT_EQ(statusOf(marked), status) << what << ": " << marked.constData();
    }
    EXPECT_EQ(anasJ(), 825);
    // Pia is left out: her link opens nothing any more.
    ASSERT_EQ(statusOf(ask("/api/jury", R"({"judges": ["Ines", "Omar"]})")), 200);
    EXPECT_EQ(statusOf(ask("/api/mark", R"({"name": "Ana", "mark": 1, "id": "v"})", tokens[2])), 401);
    EXPECT_EQ(anasJ(), 825);
}

TEST_F(JuryRemoteTest, TheOperatorClosesAndOpensMarkingByNameAndTheStateTellsWhoMarked)
{
    ASSERT_EQ(statusOf(ask("/api/jury", R"({"judges": ["Ines", "Omar"]})")), 200);
    const QString omar = m_session->jury().judges()[1].token;
    ASSERT_TRUE(m_session->openMarking(0));
    ASSERT_EQ(statusOf(ask("/api/mark", R"({"name": "Ana", "mark": 6, "id": "a"})", omar)), 200);
    const QJsonObject state = answer(get(m_desk, "/api/state", m_token));
    EXPECT_EQ(state["jury"]["open"].toArray(), QJsonArray{"Ana"});
    EXPECT_EQ(state["jury"]["marked"]["Ana"].toArray(), QJsonArray{"Omar"});
    const QJsonObject ana = state["table"].toArray()[0].toObject();
    EXPECT_EQ(ana["applause"].toInt(), 80);
    EXPECT_EQ(ana["jury"].toDouble(), 6.0);
    EXPECT_EQ(ana["score"].toDouble(), 70.0) << "(80 + 60) / 2";
    // A judge sees the open contestants and her own marks only.
    const QJsonArray seen = answer(get(m_desk, "/api/judge", m_session->jury().judges()[0].token))["open"].toArray();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].toObject()["mine"].isNull()) << "Omar's mark is not Ines's";
    EXPECT_EQ(answer(get(m_desk, "/api/judge", omar))["open"].toArray()[0].toObject()["mine"].toDouble(), 6.0);
    // Bo, (60 + 100) / 2 = 80, wins and is the Judges' Choice; Ana has the most applause.
    ASSERT_TRUE(m_session->openMarking(1));
    ASSERT_EQ(statusOf(ask("/api/mark", R"({"name": "Bo", "mark": 10, "id": "b"})", omar)), 200);
    const QJsonObject after = answer(get(m_desk, "/api/state", m_token));
    const QJsonObject awards = after["jury"].toObject()["awards"].toObject();
    EXPECT_EQ(awards["winners"].toArray(), QJsonArray{"Bo"});
    EXPECT_EQ(awards["judgesChoice"].toArray(), QJsonArray{"Bo"});
    EXPECT_EQ(awards["peoplesChoice"].toArray(), QJsonArray{"Ana"});

    const std::tuple<const char*, const char*, int, bool> cases[] = {
        {"/api/jury/close", "ana", 200, false}, {"/api/jury/close", "Ana", 409, false},
        {"/api/jury/close", "Zed", 404, false}, {"/api/jury/open", "Zed", 404, false},
        {"/api/jury/open", "Ana", 200, true},   {"/api/jury/open", "Ana", 200, true},
    };
    for (const auto& [path, name, status, open] : cases) {
        EXPECT_EQ(statusOf(ask(path, QByteArray(R"({"name": ")") + name + "\"}")), status) << path << name;
        EXPECT_EQ(m_session->jury().pending(0), open) << path << " " << name;
    }
}

}  // namespace
