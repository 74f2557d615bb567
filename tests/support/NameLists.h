// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRStringArray.h"
#include "core/LeagueTable.h"

#include <string>
#include <utility>
#include <vector>

namespace ovatron::test {

using Names = std::vector<std::string>;
using Rows = std::vector<std::pair<std::string, int>>;

inline brio::BRStringArray listOf(const Names& names)
{
    brio::BRStringArray list;
    for (const auto& name : names)
        list.add(brio::BRString::fromUtf8(name));
    return list;
}

inline Names namesOf(const brio::BRStringArray& list)
{
    Names names;
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
        names.push_back(list[i].toUtf8());
    return names;
}

// The league table as (name, score) rows, best first.
inline Rows rowsOf(const LeagueTable& table)
{
    Rows rows;
    for (int i = 0; i < table.count(); ++i)
        rows.emplace_back(table.entry(i).name.toUtf8(), table.entry(i).score);
    return rows;
}

}  // namespace ovatron::test
