// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/rounds/Advancement.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class MeterSession;
class Show;
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
    // The show is read, never changed: OK hands back what was chosen.
    NewRoundDialog(const Show& show, QWidget* parent = nullptr);

    void accept() override;
    // Accepted: the new round's name and running order, or the tie at the cut to hold a
    // clap-off of first.
    QString name() const;
    QStringList runningOrder() const;
    const std::optional<rounds::Tie>& clapOff() const { return m_clapOff; }

private:
    void fillRunningOrder();
    void moveSelected(int step);

    const Show& m_show;
    std::optional<rounds::Tie> m_clapOff;
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
    RenameRoundDialog(const Show& show, QWidget* parent = nullptr);

    void accept() override;
    // Accepted: the current round's new name.
    QString name() const;

private:
    const Show& m_show;
    QLineEdit* m_name;
    QLabel* m_problem;
};

enum class ClapOffAnswer { Hold, Share, Cancel };
// Rounds > Clap-off...: whether the tie offered is held as a clap-off or shared.
ClapOffAnswer askClapOff(const rounds::Tie& tie, QWidget* parent);

// The rounds to switch between, checked the current one, as items of menu; choosing one
// asks switchTo for it.
void addRoundItems(const MeterSession& session, QMenu& menu,
                   const std::function<void(int roundId)>& switchTo);
