// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/JuryRequests.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

constexpr qsizetype kLongestMarkId = 64;

bool isWhole(const QJsonValue& value)
{
    return value.isDouble() && value.toDouble() == double(qint64(value.toDouble()));
}

// A number in hundredths, or the reason it is not one.
std::variant<QString, jury::Hundredths> hundredthsIn(const QJsonObject& body, const char* key)
{
    const QJsonValue value = body.value(QLatin1String(key));
    const std::optional<jury::Hundredths> hundredths =
        value.isDouble() ? jury::hundredthsOf(value.toDouble()) : std::nullopt;
    if (!hundredths)
        return QStringLiteral("\"%1\" must be a number with at most two decimals").arg(key);
    return *hundredths;
}

std::variant<QString, JuryRequest> setUpOf(const QJsonObject& body)
{
    JuryRequest request{JuryRequest::Kind::SetUp};
    jury::JuryRules& rules = request.rules;
    const QJsonValue judges = body.value(QStringLiteral("judges"));
    if (!judges.isArray())
        return QStringLiteral("\"judges\" must be a list of names");
    for (const QJsonValue& judge : judges.toArray()) {
        if (!judge.isString())
            return QStringLiteral("\"judges\" must be a list of names");
        rules.judges << judge.toString();
    }
    for (const auto& [key, field] : {std::pair{"max", &rules.max}, std::pair{"step", &rules.step}}) {
        if (!body.contains(QLatin1String(key)))
            continue;
        auto value = hundredthsIn(body, key);
        if (auto* reason = std::get_if<QString>(&value))
            return *reason;
        *field = std::get<jury::Hundredths>(value);
    }
    if (body.contains(QStringLiteral("dropExtremes"))) {
        if (!body.value(QStringLiteral("dropExtremes")).isBool())
            return QStringLiteral("\"dropExtremes\" must be true or false");
        rules.dropExtremes = body.value(QStringLiteral("dropExtremes")).toBool();
    }
    const QJsonValue criteria = body.value(QStringLiteral("criteria"));
    if (!criteria.isUndefined() && !criteria.isArray())
        return QStringLiteral("\"criteria\" must be a list");
    for (const QJsonValue& item : criteria.toArray()) {
        const QJsonObject criterion = item.toObject();
        const QJsonValue weight = criterion.value(QStringLiteral("weight"));
        if (!criterion.value(QStringLiteral("name")).isString() ||
            !(weight.isUndefined() || isWhole(weight)))
            return QStringLiteral("each criterion needs a \"name\" and a whole \"weight\"");
        rules.criteria.push_back(jury::Criterion{criterion.value(QStringLiteral("name")).toString(),
                                                 weight.isUndefined() ? 1 : weight.toInt()});
    }
    if (body.contains(QStringLiteral("weights"))) {
        const QJsonObject weights = body.value(QStringLiteral("weights")).toObject();
        const QJsonValue applause = weights.value(QStringLiteral("applause"));
        const QJsonValue juryWeight = weights.value(QStringLiteral("jury"));
        if (!isWhole(applause) || !isWhole(juryWeight))
            return QStringLiteral("\"weights\" must give \"applause\" and \"jury\" as whole numbers");
        rules.weights = jury::Weights{applause.toInt(), juryWeight.toInt()};
    }
    return request;
}

std::variant<QString, JuryRequest> markOf(const QJsonObject& body, const QString& token)
{
    JuryRequest request{JuryRequest::Kind::Mark};
    request.token = token;
    request.name = body.value(QStringLiteral("name")).toString();
    request.markId = body.value(QStringLiteral("id")).toString();
    if (!body.value(QStringLiteral("name")).isString())
        return QStringLiteral("\"name\" must be a string");
    if (request.markId.isEmpty() || request.markId.size() > kLongestMarkId)
        return QStringLiteral("\"id\" must be a string of 1 to 64 characters");
    const QJsonValue mark = body.value(QStringLiteral("mark"));
    const QJsonValue marks = body.value(QStringLiteral("marks"));
    if (mark.isUndefined() == marks.isUndefined())
        return QStringLiteral("give either \"mark\" or \"marks\"");
    if (!mark.isUndefined()) {
        if (!mark.isDouble())
            return QStringLiteral("\"mark\" must be a number");
        request.marks.emplace_back(QString(), mark.toDouble());
        return request;
    }
    if (!marks.isObject())
        return QStringLiteral("\"marks\" must give a number for each criterion");
    const QJsonObject byCriterion = marks.toObject();
    for (auto it = byCriterion.begin(); it != byCriterion.end(); ++it) {
        if (!it.value().isDouble())
            return QStringLiteral("\"marks\" must give a number for each criterion");
        request.marks.emplace_back(it.key(), it.value().toDouble());
    }
    return request;
}

QJsonValue pointsOf(jury::Hundredths hundredths)
{
    return QJsonValue(hundredths / double(jury::kPoint));
}

}  // namespace

std::variant<QString, JuryRequest> juryRequestOf(const QString& path, const QByteArray& body,
                                                 const QString& judgeToken)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("the body must be a JSON object");
    const QJsonObject object = document.object();
    if (path == u"/api/jury")
        return setUpOf(object);
    if (path == u"/api/mark")
        return markOf(object, judgeToken);
    if (!object.value(QStringLiteral("name")).isString())
        return QStringLiteral("\"name\" must be a string");
    return JuryRequest{path == u"/api/jury/close" ? JuryRequest::Kind::Close : JuryRequest::Kind::Open,
                       {}, {}, object.value(QStringLiteral("name")).toString()};
}

QByteArray judgeViewJson(const ShowState& state, const QString& judge)
{
    QJsonArray open;
    if (state.jury) {
        const auto own = state.jury->own.find(judge);
        for (const QString& name : state.jury->open) {
            const jury::JuryRules& rules = rulesOfOpen(*state.jury, name);
            QStringList criteria;
            for (const jury::Criterion& criterion : rules.criteria)
                criteria << criterion.name;
            QJsonValue mine;
            if (own != state.jury->own.end() && own->second.contains(name)) {
                const std::vector<jury::Hundredths>& marks = own->second.at(name);
                if (criteria.isEmpty() && marks.size() == 1) {
                    mine = pointsOf(marks.front());
                } else {
                    QJsonObject byCriterion;
                    for (qsizetype index = 0; index < criteria.size() &&
                                              index < qsizetype(marks.size()); ++index)
                        byCriterion.insert(criteria[index], pointsOf(marks[std::size_t(index)]));
                    mine = byCriterion;
                }
            }
            open.append(QJsonObject{{"name", name},
                                    {"max", pointsOf(rules.max)},
                                    {"step", pointsOf(rules.step)},
                                    {"criteria", QJsonArray::fromStringList(criteria)},
                                    {"mine", mine}});
        }
    }
    const QJsonObject object{{"judge", judge}, {"jury", state.jury.has_value()}, {"open", open}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray judgeLinksJson(const JuryAnswer& answer, const QByteArray& host)
{
    QJsonArray judges;
    for (const JudgeToken& judge : answer.judges) {
        const QString link = QStringLiteral("http://%1/judge?token=%2")
                                 .arg(QString::fromLatin1(host),
                                      QString::fromLatin1(QUrl::toPercentEncoding(judge.token)));
        judges.append(QJsonObject{{"name", judge.name}, {"link", link}});
    }
    return QJsonDocument(QJsonObject{{"judges", judges}}).toJson(QJsonDocument::Compact);
}
