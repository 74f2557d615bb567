// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/jury/JuryRules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The jury's set-up as the results file keeps it: one JSON object with the judges (each with
// the token of her link, where given), the scale, the criteria, the drop and the weights.
// Marks are comma-separated whole hundredths.
namespace juryrecord {

struct SetUp {
    jury::JuryRules rules;
    QStringList tokens;  // one a judge, or none
};

QString jsonOf(const jury::JuryRules& rules, const QStringList& tokens = {});
// None when the text is not a set-up this program could have written (checkRules refuses it).
std::optional<SetUp> setUpFromJson(const QString& json);

QString textOf(const QList<int>& marks);
// None unless every part is a whole number.
std::optional<QList<int>> marksFromText(const QString& text);

}  // namespace juryrecord
