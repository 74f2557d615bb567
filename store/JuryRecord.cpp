// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/JuryRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace juryrecord {

QString jsonOf(const jury::JuryRules& rules, const QStringList& tokens)
{
    QJsonArray judges;
    for (qsizetype index = 0; index < rules.judges.size(); ++index) {
        QJsonObject judge{{QStringLiteral("name"), rules.judges[index]}};
        if (index < tokens.size())
            judge.insert(QStringLiteral("token"), tokens[index]);
        judges.append(judge);
    }
    QJsonArray criteria;
    for (const jury::Criterion& criterion : rules.criteria)
        criteria.append(QJsonObject{{QStringLiteral("name"), criterion.name},
                                    {QStringLiteral("weight"), criterion.weight}});
    const QJsonObject setUp{
        {QStringLiteral("judges"), judges},
        {QStringLiteral("max"), rules.max},
        {QStringLiteral("step"), rules.step},
        {QStringLiteral("criteria"), criteria},
        {QStringLiteral("drop"), rules.dropExtremes},
        {QStringLiteral("applauseWeight"), rules.weights.applause},
        {QStringLiteral("juryWeight"), rules.weights.jury},
    };
    return QString::fromUtf8(QJsonDocument(setUp).toJson(QJsonDocument::Compact));
}

std::optional<SetUp> setUpFromJson(const QString& json)
{
    const QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
    SetUp read;
    bool tokens = true;
    for (const QJsonValue& judge : object.value(QStringLiteral("judges")).toArray()) {
        read.rules.judges.append(judge[QStringLiteral("name")].toString());
        tokens = tokens && judge[QStringLiteral("token")].isString();
        read.tokens.append(judge[QStringLiteral("token")].toString());
    }
    if (!tokens)
        read.tokens.clear();
    read.rules.max = object.value(QStringLiteral("max")).toInt(-1);
    read.rules.step = object.value(QStringLiteral("step")).toInt(-1);
    for (const QJsonValue& criterion : object.value(QStringLiteral("criteria")).toArray()) {
        read.rules.criteria.push_back(jury::Criterion{criterion[QStringLiteral("name")].toString(),
                                                      criterion[QStringLiteral("weight")].toInt(-1)});
    }
    read.rules.dropExtremes = object.value(QStringLiteral("drop")).toBool();
    read.rules.weights.applause = object.value(QStringLiteral("applauseWeight")).toInt(-1);
    read.rules.weights.jury = object.value(QStringLiteral("juryWeight")).toInt(-1);
    if (jury::checkRules(read.rules).problem != jury::RulesProblem::None)
        return std::nullopt;
    return read;
}

QString textOf(const QList<int>& marks)
{
    QStringList parts;
    for (const int mark : marks)
        parts.append(QString::number(mark));
    return parts.join(QLatin1Char(','));
}

std::optional<QList<int>> marksFromText(const QString& text)
{
    QList<int> marks;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool number = false;
        marks.append(part.toInt(&number));
        if (!number)
            return std::nullopt;
    }
    return marks;
}

}  // namespace juryrecord
