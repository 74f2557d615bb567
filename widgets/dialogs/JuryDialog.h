// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/jury/JuryRules.h"
#include "show/jury/JuryDesk.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

// Where the judges' pages are reached: the phone remote's host and port, while show control
// is on.
struct JudgeLinkBase {
    bool showControlOn = false;
    QString host;
    int port = 0;
};

// A judge's personal link to her page.
QString judgeLink(const JudgeLinkBase& base, const QString& token);

// Edit > Jury...: the judges, the marks' highest and step, the criteria with their weights,
// the drop of each contestant's highest and lowest mark, the weights of applause and jury,
// and the jury on or off; a set-up's problem is shown and keeps OK greyed. Each judge of the
// running set-up has her link and its QR code, "Revoke" and "Issue Again", which the window
// carries out (revokeWanted, reissueWanted) and shows back (showJudges).
class JuryDialog : public QDialog {
    Q_OBJECT
public:
    JuryDialog(const std::optional<jury::JuryRules>& rules, const std::vector<jury::Judge>& judges,
               const JudgeLinkBase& links, QWidget* parent = nullptr);

    bool juryOn() const;
    // The set-up as the operator left it.
    jury::JuryRules rules() const;
    void showJudges(const std::vector<jury::Judge>& judges);

    QCheckBox* onBox() const { return m_on; }
    QPlainTextEdit* judgesBox() const { return m_judges; }
    QTableWidget* criteriaTable() const { return m_criteria; }
    const QLabel* problem() const { return m_problem; }

signals:
    void revokeWanted(const QString& judge);
    void reissueWanted(const QString& judge);

private:
    void showProblem();
    // The judges' cards (name, link, QR code) as a PDF, one a page.
    void exportCards();

    JudgeLinkBase m_links;
    std::vector<jury::Judge> m_shownJudges;
    QCheckBox* m_on;
    QPlainTextEdit* m_judges;
    QDoubleSpinBox* m_max;
    QDoubleSpinBox* m_step;
    QTableWidget* m_criteria;
    QCheckBox* m_drop;
    QSpinBox* m_applauseWeight;
    QSpinBox* m_juryWeight;
    QLabel* m_problem;
    QWidget* m_cards;
    QGridLayout* m_cardGrid;
};
