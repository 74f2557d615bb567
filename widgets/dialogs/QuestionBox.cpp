// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/QuestionBox.h"

#include <QPushButton>

#include <vector>

int askQuestion(QWidget* parent, const QuestionText& question,
                std::initializer_list<QuestionChoice> choices, int defaultChoice, int escapeChoice)
{
    QMessageBox box(parent);
    box.setObjectName(question.objectName);
    box.setIcon(question.icon);
    box.setWindowTitle(question.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(question.text);
    box.setInformativeText(question.detail);
    std::vector<QPushButton*> buttons;
    for (const QuestionChoice& choice : choices)
        buttons.push_back(box.addButton(choice.caption, choice.role));
    const auto count = static_cast<int>(buttons.size());
    if (defaultChoice >= 0 && defaultChoice < count)
        box.setDefaultButton(buttons[defaultChoice]);
    if (escapeChoice >= 0 && escapeChoice < count)
        box.setEscapeButton(buttons[escapeChoice]);
    box.exec();
    for (int index = 0; index < count; ++index) {
        if (box.clickedButton() == buttons[index])
            return index;
    }
    return -1;
}
