// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The one ranking: best result first with shared ranks, the order of entry among those
// alike, clap-offs among the tied, each round on its own, removed rows left out.
#include "core/Ranking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Given {
    std::string name;
    int tenths = 0;
    std::optional<int> clapOffTenths = std::nullopt;
    std::int64_t order = 0;
    int round = 0;
    bool removed = false;
};

struct Case {
    const char* what;
    std::vector<Given> rows;
    std::string expected;  // "name rank" best first, a round's rows after the round before
};

// The applause score as a result, and a clap-off's.
int score(int applause)
{
    return ranking::resultOf(applause).tenths;
}

std::string rankedText(const std::vector<Given>& given)
{
    std::vector<ranking::Row> rows;
    for (const Given& row : given) {
        std::optional<ranking::Result> clapOff;
        if (row.clapOffTenths)
            clapOff = ranking::Result{*row.clapOffTenths};
        rows.push_back(ranking::Row{ranking::Result{row.tenths}, clapOff, row.order, row.round,
                                    row.removed});
    }
    std::string text;
    for (const ranking::Place& place : ranking::rankTable(rows))
        text += (text.empty() ? "" : ", ") + given[place.row].name + " " + std::to_string(place.rank);
    return text;
}

TEST(Ranking, OrdersAndRanksEveryKindOfTable)
{
    const std::vector<Case> cases{
        {"nothing to rank", {}, ""},
        {"best first", {{"Ana", score(50), {}, 0}, {"Ben", score(80), {}, 1}, {"Cy", score(10), {}, 2}},
         "Ben 1, Ana 2, Cy 3"},
        {"equal results share a rank, the next is skipped, the earlier started first",
         {{"Dee", score(50), {}, 3}, {"Ben", score(50), {}, 1}, {"Ana", score(80), {}, 0},
          {"Cy", score(40), {}, 2}},
         "Ana 1, Ben 2, Dee 2, Cy 4"},
        {"a result is ranked in tenths, not by its applause alone",
         {{"Ana", score(50), {}, 0}, {"Ben", score(50) + 5, {}, 1}}, "Ben 1, Ana 2"},
        {"a clap-off orders the tied; one left out of it comes after",
         {{"Cy", score(55), {}, 0}, {"Fay", score(55), score(30), 1}, {"Ana", score(80), {}, 2},
          {"Gus", score(55), score(64), 3}, {"Hal", score(10), {}, 4}},
         "Ana 1, Gus 2, Fay 3, Cy 4, Hal 5"},
        {"an equal clap-off leaves a shared rank",
         {{"Zoe", score(60), {}, 0}, {"Yan", score(60), score(70), 2}, {"Xia", score(60), score(70), 1}},
         "Xia 1, Yan 1, Zoe 3"},
        {"a clap-off never lifts a lower result",
         {{"Pia", score(50), score(99), 0}, {"Quin", score(60), {}, 1}}, "Quin 1, Pia 2"},
        {"each round ranked on its own, rounds in order",
         {{"Fin", score(90), {}, 0, 2}, {"Hea", score(30), {}, 1, 1}, {"Ida", score(90), {}, 2, 2},
          {"Jo", score(70), {}, 3, 1}},
         "Jo 1, Hea 2, Fin 1, Ida 1"},
        {"removed rows have no place and do not count",
         {{"Ana", score(90), {}, 0, 0, true}, {"Ben", score(50), {}, 1}, {"Cy", score(50), {}, 2},
          {"Dee", score(20), {}, 3, 0, true}, {"Eve", score(10), {}, 4}},
         "Ben 1, Cy 1, Eve 3"},
        {"rows alike in everything keep the order given",
         {{"Kim", score(40)}, {"Lee", score(40)}, {"Max", score(40)}}, "Kim 1, Lee 1, Max 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rankedText(c.rows), c.expected) << c.what;
}

}  // namespace
