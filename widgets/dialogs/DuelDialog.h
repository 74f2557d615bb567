// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

// Edit > Duel...: the two sides' names and the microphone that hears each, chosen among the
// room's places. The caller starts the duel with what was chosen.
class DuelDialog : public QDialog {
    Q_OBJECT
public:
    DuelDialog(const QStringList& places, QWidget* parent = nullptr);

    QStringList names() const;
    QStringList leftPlaces() const;
    QStringList rightPlaces() const;

private:
    void followChoice();

    QLineEdit* m_names[2];
    QComboBox* m_places[2];
};
