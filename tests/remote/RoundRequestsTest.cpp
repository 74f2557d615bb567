// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Show control's requests about rounds and duels: each answered by its status and, when allowed, the
// command for the session; a tie at the cut answers 409 with the tied, unless shared.
#include "brio/BRStringQt.h"
#include "remote/RequestHandler.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");

rounds::Standing standing(const char* name, int score)
{
    return rounds::Standing{brio::fromQString(QString::fromUtf8(name)), score, std::nullopt};
}

// Heat 1 with Bea and Cy tied at second place; Heat 2 without a tie.
ShowState heatsDone(MeterState meterState = MeterState::NameEntry)
{
    ShowState state;
    state.state = meterState;
    state.round = QStringLiteral("Heat 2");
    state.rounds = {
        ShowRound{QStringLiteral("Heat 1"), true,
                  {brio::fromQString(QStringLiteral("Heat 1")),
                   {standing("Ana", 80), standing("Bea", 50), standing("Cy", 50), standing("Dee", 9)}}},
        ShowRound{QStringLiteral("Heat 2"), true,
                  {brio::fromQString(QStringLiteral("Heat 2")),
                   {standing("Eve", 70), standing("Fay", 60), standing("Gus", 10)}}}};
    return state;
}

RemoteReply post(const char* path, const QByteArray& body, const ShowState& state)
{
    RequestHandler handler(kToken);
    const RemoteRequest request{"POST", QString::fromUtf8(path),
                                {{"Authorization", "Bearer " + kToken.toLatin1()}}, {}, body,
                                QStringLiteral("127.0.0.1")};
    return handler.handle(request, state, 1000);
}

struct RoundRequest {
    const char* what;
    const char* path;
    const char* body;
    MeterState meterState;
    int status;
    std::optional<ShowCommand::Kind> command;
};

class RoundRequests : public testing::TestWithParam<RoundRequest> {};

TEST_P(RoundRequests, AnswerWithTheRightStatusAndCommand)
{
    const RoundRequest& c = GetParam();
    const RemoteReply reply = post(c.path, c.body, heatsDone(c.meterState));
    EXPECT_EQ(reply.status, c.status) << c.what << ": " << reply.body.constData();
    EXPECT_EQ(reply.command.has_value(), c.command.has_value()) << c.what;
    if (reply.command && c.command)
        EXPECT_EQ(reply.command->kind, *c.command) << c.what;
}

using Kind = ShowCommand::Kind;
constexpr MeterState kEntry = MeterState::NameEntry;

INSTANTIATE_TEST_SUITE_P(
    Table, RoundRequests,
    testing::Values(
        RoundRequest{"an empty round", "/api/round", R"({"name": "Under 12s"})", kEntry, 200,
                     Kind::NewRound},
        RoundRequest{"a blank name", "/api/round", R"({"name": ""})", kEntry, 400, std::nullopt},
        RoundRequest{"only spaces", "/api/round", R"({"name": "   "})", kEntry, 400, std::nullopt},
        RoundRequest{"61 characters", "/api/round",
                     R"({"name": "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"})",
                     kEntry, 400, std::nullopt},
        RoundRequest{"a name taken", "/api/round", R"({"name": " Heat 1 "})", kEntry, 409,
                     std::nullopt},
        RoundRequest{"a name not a string", "/api/round", R"({"name": 3})", kEntry, 400,
                     std::nullopt},
        RoundRequest{"no tie in heat 2", "/api/round",
                     R"({"name": "Final", "from": ["Heat 2"], "best": 2})", kEntry, 200,
                     Kind::NewRound},
        RoundRequest{"best larger than the round", "/api/round",
                     R"({"name": "Final", "from": ["Heat 1"], "best": 9})", kEntry, 200,
                     Kind::NewRound},
        RoundRequest{"a tie at the cut", "/api/round",
                     R"({"name": "Final", "from": ["Heat 1", "Heat 2"], "best": 2})", kEntry, 409,
                     std::nullopt},
        RoundRequest{"a tie shared", "/api/round",
                     R"({"name": "Final", "from": ["Heat 1"], "best": 2, "ties": "share"})",
                     kEntry, 200, Kind::NewRound},
        RoundRequest{"an unknown tie rule", "/api/round",
                     R"({"name": "Final", "from": ["Heat 1"], "best": 2, "ties": "coin"})",
                     kEntry, 400, std::nullopt},
        RoundRequest{"an unknown round to take from", "/api/round",
                     R"({"name": "Final", "from": ["Heat 9"], "best": 2})", kEntry, 400,
                     std::nullopt},
        RoundRequest{"best 0", "/api/round", R"({"name": "Final", "from": ["Heat 1"], "best": 0})",
                     kEntry, 400, std::nullopt},
        RoundRequest{"during a turn", "/api/round", R"({"name": "Final"})",
                     MeterState::Measuring, 409, std::nullopt},
        RoundRequest{"a clap-off", "/api/clapoff", R"({"round": "Heat 1", "names": ["Bea", "Cy"]})",
                     kEntry, 200, Kind::ClapOff},
        RoundRequest{"a clap-off of one", "/api/clapoff", R"({"round": "Heat 1", "names": ["Bea"]})",
                     kEntry, 400, std::nullopt},
        RoundRequest{"a clap-off of a stranger", "/api/clapoff",
                     R"({"round": "Heat 1", "names": ["Bea", "Zed"]})", kEntry, 400, std::nullopt},
        RoundRequest{"a switch", "/api/round/current", R"({"name": "Heat 1"})", kEntry, 200,
                     Kind::SwitchRound},
        RoundRequest{"a switch during a turn", "/api/round/current", R"({"name": "Heat 1"})",
                     MeterState::Measuring, 409, std::nullopt},
        RoundRequest{"a switch to nowhere", "/api/round/current", R"({"name": "Heat 7"})", kEntry,
                     400, std::nullopt},
        RoundRequest{"a rename", "/api/round/rename", R"({"name": "Heat 1", "to": "Heat A"})",
                     kEntry, 200, Kind::RenameRound},
        RoundRequest{"a rename to its own name", "/api/round/rename",
                     R"({"name": "Heat 1", "to": "Heat 1"})", kEntry, 200, Kind::RenameRound},
        RoundRequest{"a rename to another's", "/api/round/rename",
                     R"({"name": "Heat 1", "to": "Heat 2"})", kEntry, 409, std::nullopt},
        RoundRequest{"a rename to blanks", "/api/round/rename", R"({"name": "Heat 1", "to": " "})",
                     kEntry, 400, std::nullopt},
        RoundRequest{"not JSON", "/api/round", "name=Final", kEntry, 400, std::nullopt},
        RoundRequest{"a duel", "/api/duel",
                     R"({"left": "Left", "right": ["Right", "Balcony"], "names": ["Blue", "Red"]})",
                     kEntry, 200, Kind::Duel},
        RoundRequest{"a duel during a turn", "/api/duel",
                     R"({"left": "Left", "right": "Right", "names": ["Blue", "Red"]})",
                     MeterState::Measuring, 409, std::nullopt},
        RoundRequest{"a duel of one name", "/api/duel",
                     R"({"left": "Left", "right": "Right", "names": ["Blue"]})", kEntry, 400,
                     std::nullopt},
        RoundRequest{"a duel without a side", "/api/duel",
                     R"({"left": " ", "right": "Right", "names": ["Blue", "Red"]})", kEntry, 400,
                     std::nullopt},
        RoundRequest{"a microphone on both sides", "/api/duel",
                     R"({"left": ["Left", "Mid"], "right": ["mid"], "names": ["Blue", "Red"]})",
                     kEntry, 400, std::nullopt}),
    [](const testing::TestParamInfo<RoundRequest>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(RoundRequestsTie, NamesTheRoundAndTheTiedAndCarriesWhatTheDialogWould)
{
    const RemoteReply tied = post("/api/round",
                                  R"({"name": "Final", "from": ["Heat 1", "Heat 2"], "best": 2})",
                                  heatsDone());
    const QJsonObject answer = QJsonDocument::fromJson(tied.body).object();
    EXPECT_FALSE(answer["error"].toString().isEmpty());
    EXPECT_EQ(answer["tie"].toObject()["round"].toString(), QStringLiteral("Heat 1"));
    EXPECT_EQ(answer["tie"].toObject()["names"].toArray(), (QJsonArray{"Bea", "Cy"}));

    const RemoteReply shared = post(
        "/api/round", R"({"name": " Final ", "from": ["Heat 1", "Heat 2"], "best": 2, "ties": "share"})",
        heatsDone());
    ASSERT_TRUE(shared.command);
    EXPECT_EQ(shared.command->name, QStringLiteral("Final"));
    EXPECT_EQ(shared.command->names, (QStringList{"Heat 1", "Heat 2"}));
    EXPECT_EQ(shared.command->best, 2);
    EXPECT_TRUE(shared.command->shareTies);
}

TEST(RoundRequestsTie, TheStateReportsRoundsOnlyWhenTold)
{
    EXPECT_FALSE(showStateJson(ShowState{}).contains("\"rounds\""));
    ShowState state = heatsDone();
    state.clapOff = rounds::Tie{brio::fromQString(QStringLiteral("Heat 1")),
                                {brio::fromQString(QStringLiteral("Bea")),
                                 brio::fromQString(QStringLiteral("Cy"))}};
    const QJsonObject shown = QJsonDocument::fromJson(showStateJson(state)).object();
    EXPECT_EQ(shown["round"].toString(), QStringLiteral("Heat 2"));
    EXPECT_EQ(shown["rounds"].toArray().size(), 2);
    EXPECT_TRUE(shown["rounds"].toArray()[0].toObject()["done"].toBool());
    EXPECT_EQ(shown["clapOff"].toObject()["names"].toArray(), (QJsonArray{"Bea", "Cy"}));
}

}  // namespace
