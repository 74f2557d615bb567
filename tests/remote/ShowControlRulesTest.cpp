// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// What the end-to-end run cannot wait for or reach: a blocked address let in again after a
// minute, other addresses untouched meanwhile, tokens that differ only in length or at the end,
// and the ranks and state a remote is told.
#include "remote/AccessToken.h"
#include "remote/LoginThrottle.h"
#include "remote/ShowState.h"

#include <gtest/gtest.h>

TEST(LoginThrottle, BlocksOneAddressForAMinuteAfterTenWrongTokens)
{
    LoginThrottle throttle;
    for (int i = 0; i < LoginThrottle::kMaxFailures - 1; ++i)
        throttle.recordFailure("10.0.0.2", i * 1000);
    EXPECT_FALSE(throttle.isBlocked("10.0.0.2", 9'500));
    throttle.recordFailure("10.0.0.2", 10'000);
    EXPECT_TRUE(throttle.isBlocked("10.0.0.2", 10'001));
    EXPECT_FALSE(throttle.isBlocked("10.0.0.3", 10'001));
    EXPECT_TRUE(throttle.isBlocked("10.0.0.2", 69'999));
    EXPECT_FALSE(throttle.isBlocked("10.0.0.2", 70'000));
    // Failures spread wider than a minute never add up to a block.
    for (int i = 0; i < 30; ++i)
        throttle.recordFailure("10.0.0.4", 100'000 + i * 7'000);
    EXPECT_FALSE(throttle.isBlocked("10.0.0.4", 100'000 + 30 * 7'000));
}

TEST(AccessToken, MatchesOnlyTheWholeTokenAndIsNewEachTime)
{
    const QString made = newAccessToken();
    EXPECT_EQ(made.size(), 32);
    EXPECT_NE(made, newAccessToken());
    const QByteArray token = made.toLatin1();
    EXPECT_TRUE(sameToken(token, token));
    for (const QByteArray& offered : {token.left(31), token + "0", QByteArray(), token.left(31) + "x"})
        EXPECT_FALSE(sameToken(offered, token)) << offered.constData();
    EXPECT_FALSE(sameToken(QByteArray(), QByteArray()));
}

TEST(ShowState, SharesRanksAndNamesTheCurrentRow)
{
    MeterCore meter(true, true);
    meter.restoreEvent({{u"Ana", 80, 0}, {u"Ben", 80, 1}, {u"Cy", 50, 2}}, brio::BRStringArray(), 3);
    meter.onText(u"Dee");
    meter.onChar(MeterCore::kEnter);
    const ShowState shown = showStateOf(meter, "Gala");
    std::vector<std::pair<int, bool>> ranks;
    for (const ShowRow& row : shown.table)
        ranks.emplace_back(row.rank, row.current);
    EXPECT_EQ(ranks, (std::vector<std::pair<int, bool>>{{1, false}, {1, false}, {3, false}, {4, true}}));
    EXPECT_EQ(showStateJson(shown).left(63),
              R"({"countdown":null,"curve":[],"hidden":[],"level":0,"next":[],"p)");
    // Hidden scores are named, and their scores stay in the table for operators' tools.
    const QByteArray hidden = showStateJson(showStateOf(meter, "Gala", false, {"Cy", "Dee"}));
    EXPECT_TRUE(hidden.contains(R"("hidden":["Cy","Dee"])")) << hidden.constData();
    EXPECT_TRUE(hidden.contains(R"("name":"Cy","rank":3,"score":50)")) << hidden.constData();
    // A shown score is placed below the hidden ones: with Ben and Dee hidden, Ana is third.
    std::vector<int> audienceRanks;
    for (const ShowRow& row : showStateOf(meter, "Gala", false, {"Ben", "Dee"}).table)
        audienceRanks.push_back(row.audienceRank);
    EXPECT_EQ(audienceRanks, (std::vector<int>{3, 0, 4, 0}));
}

// The curve of the turn under way, as the meter takes it ten times a second; it stays on the
// summary screen and is gone once Esc ends the turn.
TEST(ShowState, CarriesTheCurveOfTheTurnUnderWay)
{
    MeterCore meter(true, true);
    meter.onText(u"Eve");
    meter.onChar(MeterCore::kEnter);
    const int measured[] = {10, 30, 55, 55, 20};
    for (const int level : measured) {
        for (int tick = 0; tick < curve::kTicksPerReading; ++tick)
            meter.tick(TickInput{}, level);
    }
    const ShowState running = showStateOf(meter, {});
    EXPECT_EQ(running.curve, (std::vector<std::uint8_t>{10, 30, 55, 55, 20}));
    EXPECT_TRUE(showStateJson(running).contains(R"("curve":[10,30,55,55,20])"));
    meter.onChar(MeterCore::kEnter);
    ASSERT_EQ(meter.state(), MeterState::Summary);
    EXPECT_EQ(showStateOf(meter, {}).curve.size(), 5u);
    meter.onChar(MeterCore::kEscape);
    EXPECT_TRUE(showStateOf(meter, {}).curve.empty());
    EXPECT_TRUE(showStateJson(showStateOf(meter, {})).contains(R"("curve":[])"));
}
