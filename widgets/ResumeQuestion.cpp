// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ResumeQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool askToResume(QWidget* parent, int contestants, const QString& lastName)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("resumeEvent"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QCoreApplication::translate("ResumeQuestion", "Resume Event"));
    box.setTextFormat(Qt::PlainText);
    const QString count =
        contestants == 1
            ? QCoreApplication::translate("ResumeQuestion", "one contestant")
            : QCoreApplication::translate("ResumeQuestion", "%1 contestants").arg(contestants);
    box.setText(QCoreApplication::translate(
                    "ResumeQuestion",
                    "The last event did not end with File > Exit. It has %1; the last was \"%2\".")
                    .arg(count, lastName));
    box.setInformativeText(QCoreApplication::translate(
        "ResumeQuestion", "Resume it, or start a new event? The old one stays stored."));
    QPushButton* resume =
        box.addButton(QCoreApplication::translate("ResumeQuestion", "Resume"), QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("ResumeQuestion", "Start New"), QMessageBox::RejectRole);
    box.setDefaultButton(resume);
    box.exec();
    return box.clickedButton() == resume;
}
