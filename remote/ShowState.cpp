// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ShowState.h"

#include "brio/BRStringQt.h"
#include "core/Ranking.h"
#include "core/Score.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

namespace {

QString stateName(MeterState state)
{
    switch (state) {
    case MeterState::Measuring:
        return QStringLiteral("measuring");
    case MeterState::Summary:
        return QStringLiteral("summary");
    case MeterState::NameEntry:
        break;
    }
    return QStringLiteral("name-entry");
}

QJsonValue pointsOf(jury::Hundredths hundredths)
{
    return QJsonValue(hundredths / double(jury::kPoint));
}

QJsonValue juryJson(const ShowJury& jury)
{
    QJsonObject marked;
    for (const auto& [contestant, judges] : jury.marked)
        marked.insert(contestant, QJsonArray::fromStringList(judges));
    return QJsonObject{
        {"judges", QJsonArray::fromStringList(jury.rules.judges)},
        {"open", QJsonArray::fromStringList(jury.open)},
        {"marked", marked},
        {"weights", QJsonObject{{"applause", jury.rules.weights.applause},
                                {"jury", jury.rules.weights.jury}}},
        {"awards", QJsonObject{{"winners", QJsonArray::fromStringList(jury.winners)},
                               {"judgesChoice", QJsonArray::fromStringList(jury.judgesChoice)},
                               {"peoplesChoice", QJsonArray::fromStringList(jury.peoplesChoice)}}},
    };
}

}  // namespace

const jury::JuryRules& rulesOfOpen(const ShowJury& jury, const QString& contestant)
{
    const auto found = jury.rulesOf.find(contestant);
    return found == jury.rulesOf.end() ? jury.rules : found->second;
}

ShowState showStateOf(const MeterCore& meter, const QString& title, bool winners,
                      const QStringList& hidden)
{
    ShowState shown;
    shown.state = meter.state();
    shown.typed = brio::toQString(meter.typedName());
    shown.level = meter.level();
    shown.peak = meter.peak();
    shown.countdown = meter.countdownSeconds();
    shown.title = title;
    shown.curve = meter.currentCurve().readings;
    shown.winners = winners;
    shown.hidden = hidden;
    const LeagueTable& table = meter.leagueTable();
    if (meter.useLeagueTable()) {
        // As on the Stage: a shown score is placed below every hidden one.
        std::vector<ranking::Row> seen;
        int hiddenRows = 0;
        for (int index = 0; index < table.count(); ++index) {
            const Score& entry = table.entry(index);
            seen.push_back(rankingRow(entry));
            seen.back().removed = hidden.contains(brio::toQString(entry.name));
            hiddenRows += seen.back().removed ? 1 : 0;
        }
        std::vector<int> audienceRanks = ranking::ranksInOrder(seen);
        for (int& rank : audienceRanks)
            rank = rank > 0 ? rank + hiddenRows : rank;
        for (int index = 0; index < table.count(); ++index) {
            const Score& entry = table.entry(index);
            shown.table.push_back(ShowRow{rankOfRow(table, index),
                                          audienceRanks[static_cast<std::size_t>(index)],
                                          brio::toQString(entry.name), entry.score,
                                          index == meter.currentIndex()});
        }
    }
    const brio::BRStringArray& waiting = meter.preloadList();
    for (std::uint64_t index = 0; index < waiting.size(); ++index)
        shown.next.append(brio::toQString(waiting[static_cast<int>(index)]));
    return shown;
}

QByteArray showStateJson(const ShowState& state)
{
    QJsonArray rows;
    for (const ShowRow& row : state.table) {
        QJsonObject shown{{"rank", row.rank},
                          {"audienceRank", row.audienceRank > 0 ? QJsonValue(row.audienceRank)
                                                                : QJsonValue()},
                          {"name", row.name},
                          {"score", row.score},
                          {"current", row.current}};
        // With the jury on, the score is what ranks the row, the applause and J beside it.
        if (state.jury) {
            shown.insert(QStringLiteral("score"), row.result.tenths / 10.0);
            shown.insert(QStringLiteral("applause"), row.score);
            shown.insert(QStringLiteral("jury"), row.jury ? pointsOf(*row.jury) : QJsonValue());
        }
        rows.append(shown);
    }
    QJsonArray curve;
    for (const std::uint8_t reading : state.curve)
        curve.append(int(reading));
    QJsonArray rounds;
    for (const ShowRound& round : state.rounds)
        rounds.append(QJsonObject{{"name", round.name}, {"done", round.done}});
    QJsonValue clapOff;
    if (state.clapOff) {
        QStringList names;
        for (const brio::BRString& name : state.clapOff->names)
            names << brio::toQString(name);
        clapOff = QJsonObject{{"round", brio::toQString(state.clapOff->round)},
                              {"names", QJsonArray::fromStringList(names)}};
    }
    QJsonObject object{
        {"state", stateName(state.state)},
        {"typed", state.typed},
        {"level", state.level},
        {"peak", state.peak},
        {"countdown", state.countdown ? QJsonValue(*state.countdown) : QJsonValue()},
        {"table", rows},
        {"next", QJsonArray::fromStringList(state.next)},
        {"title", state.title},
        {"curve", curve},
        {"winners", state.winners},
        {"hidden", QJsonArray::fromStringList(state.hidden)},
    };
    if (!state.microphones.empty()) {
        QJsonArray microphones;
        for (const ShowMicrophone& microphone : state.microphones)
            microphones.append(QJsonObject{{"place", microphone.place},
                                           {"level", microphone.level},
                                           {"live", microphone.live}});
        object.insert(QStringLiteral("microphones"), microphones);
    }
    if (state.duel) {
        const auto side = [](const ShowDuelSide& shown) {
            return QJsonObject{{"name", shown.name}, {"level", shown.level}, {"score", shown.score}};
        };
        object.insert(QStringLiteral("duel"),
                      QJsonObject{{"left", side(state.duel->left)},
                                  {"right", side(state.duel->right)},
                                  {"winner", state.duel->winner ? QJsonValue(*state.duel->winner)
                                                                : QJsonValue()}});
    }
    if (state.jury)
        object.insert(QStringLiteral("jury"), juryJson(*state.jury));
    if (!state.rounds.empty()) {
        object.insert(QStringLiteral("round"), state.round);
        object.insert(QStringLiteral("rounds"), rounds);
        object.insert(QStringLiteral("clapOff"), clapOff);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
