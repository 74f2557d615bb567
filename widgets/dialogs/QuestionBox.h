// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>

#include <initializer_list>

// What a question of the program says, in plain text.
struct QuestionText {
    QString objectName;  // for tests and accessibility
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QString detail;  // the informative text under it
};

struct QuestionChoice {
    QString caption;
    QMessageBox::ButtonRole role;
};

// Asks modally with one button per choice and returns the index of the one clicked, or -1
// when the box was closed otherwise. The default choice is the one Enter takes; the escape
// choice, when given, is the one Escape and the close box take (otherwise Qt's rule, the
// rejecting button).
int askQuestion(QWidget* parent, const QuestionText& question,
                std::initializer_list<QuestionChoice> choices, int defaultChoice,
                int escapeChoice = -1);
