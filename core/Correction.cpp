// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Correction.h"

#include "core/MeterCore.h"

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;  // older compilers need it spelled out

std::vector<std::int64_t> ordersOf(const std::vector<Score>& entries)
{
    std::vector<std::int64_t> orders;
    orders.reserve(entries.size());
    for (const Score& entry : entries)
        orders.push_back(entry.order);
    return orders;
}

}  // namespace

void undoCorrection(MeterCore& meter, const Correction& change)
{
    std::visit(Overloaded{
                   [&](const correction::Renamed& c) { meter.renameEntry(c.order, c.before); },
                   [&](const correction::Remeasured& c) { meter.setScore(c.order, c.before); },
                   [&](const correction::Removed& c) { meter.restoreEntries(c.entries); },
               },
               change);
}

void redoCorrection(MeterCore& meter, const Correction& change)
{
    std::visit(Overloaded{
                   [&](const correction::Renamed& c) { meter.renameEntry(c.order, c.after); },
                   [&](const correction::Remeasured& c) { meter.setScore(c.order, c.after); },
                   [&](const correction::Removed& c) { meter.removeEntries(ordersOf(c.entries)); },
               },
               change);
}
