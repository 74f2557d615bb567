// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class MeterSession;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSpinBox;
class QWidget;

// Rounds > New Round...: the name, and the running order taken from the best of earlier
// rounds, which the operator may reorder before confirming. A bad name or a tie at the cut
// is said in the dialog; a tie can be settled by a clap-off or a shared place.
class NewRoundDialog : public QDialog {
    Q_OBJECT
public:
    NewRoundDialog(MeterSession& session, QWidget* parent = nullptr);

    void accept() override;

private:
    void fillRunningOrder();
    void moveSelected(int step);

    MeterSession& m_session;
    QLineEdit* m_name;
    QListWidget* m_from;
    QSpinBox* m_best;
    QComboBox* m_order;
    QCheckBox* m_share;
    QListWidget* m_runningOrder;
    QLabel* m_problem;
};

// Rounds > Rename Round...: the current round's new name, refused in the dialog when bad.
class RenameRoundDialog : public QDialog {
    Q_OBJECT
public:
    RenameRoundDialog(MeterSession& session, QWidget* parent = nullptr);

    void accept() override;

private:
    MeterSession& m_session;
    QLineEdit* m_name;
    QLabel* m_problem;
};

// Rounds > Clap-off...: the tie offered, held as a clap-off or shared.
void askClapOff(MeterSession& session, QWidget* parent);

// The rounds to switch between, checked the current one, as items of menu.
void addRoundItems(MeterSession& session, QMenu& menu);
