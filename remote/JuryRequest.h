// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/jury/JuryRules.h"

#include <QString>

#include <utility>
#include <vector>

// What show control asks of the show's jury and what it answers, as plain data. A jury's
// requests are answered at once by the show (whose jury hands out the tokens and takes the
// marks), not carried out afterwards as the meter's commands are.

// A judge's personal link: her name and the token in it.
struct JudgeToken {
    QString name;
    QString token;
};

struct JuryRequest {
    enum class Kind {
        SetUp,  // rules
        Mark,   // token, name, marks, markId
        Close,  // the marking of name
        Open,   // the marking of name
    };
    Kind kind = Kind::SetUp;
    jury::JuryRules rules = {};
    QString token = {};  // the judge's, with Mark
    QString name = {};   // the contestant
    // One mark with its name empty, or one a criterion by the criterion's name.
    std::vector<std::pair<QString, double>> marks = {};
    QString markId = {};
};

// The status the request gets (200 when done), the reason of a refusal, and after a set-up
// each judge's token.
struct JuryAnswer {
    int status = 200;
    QString error = {};
    std::vector<JudgeToken> judges = {};
};
