// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/ResumeQuestion.h"

#include "widgets/dialogs/QuestionBox.h"

#include <QCoreApplication>

bool askToResume(QWidget* parent, int contestants, const QString& lastName)
{
    const QString count =
        contestants == 1
            ? QCoreApplication::translate("ResumeQuestion", "one contestant")
            : QCoreApplication::translate("ResumeQuestion", "%1 contestants").arg(contestants);
    constexpr int resume = 0;
    return askQuestion(
               parent,
               {QStringLiteral("resumeEvent"), QMessageBox::Question,
                QCoreApplication::translate("ResumeQuestion", "Resume Event"),
                QCoreApplication::translate(
                    "ResumeQuestion",
                    "The last event did not end with File > Exit. It has %1; the last was \"%2\".")
                    .arg(count, lastName),
                QCoreApplication::translate(
                    "ResumeQuestion", "Resume it, or start a new event? The old one stays stored.")},
               {{QCoreApplication::translate("ResumeQuestion", "Resume"), QMessageBox::AcceptRole},
                {QCoreApplication::translate("ResumeQuestion", "Start New"),
                 QMessageBox::RejectRole}},
               resume) == resume;
}
