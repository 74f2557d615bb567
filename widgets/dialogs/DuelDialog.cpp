// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/DuelDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DuelDialog::DuelDialog(const QStringList& places, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Duel"));
    auto* form = new QFormLayout;
    const QString captions[2][2] = {{tr("&Left side:"), tr("Heard &by:")},
                                    {tr("&Right side:"), tr("Hea&rd by:")}};
    for (int side = 0; side < 2; ++side) {
        m_names[side] = new QLineEdit(this);
        m_places[side] = new QComboBox(this);
        m_places[side]->addItems(places);
        form->addRow(captions[side][0], m_names[side]);
        form->addRow(captions[side][1], m_places[side]);
        connect(m_names[side], &QLineEdit::textChanged, this, &DuelDialog::followChoice);
        connect(m_places[side], &QComboBox::currentIndexChanged, this, &DuelDialog::followChoice);
    }
    if (places.size() > 1)
        m_places[1]->setCurrentIndex(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("duelOk"));
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    followChoice();
}

void DuelDialog::followChoice()
{
    // Two names and two different microphones, or nothing to start.
    auto* ok = findChild<QPushButton*>(QStringLiteral("duelOk"));
    if (ok == nullptr)
        return;
    ok->setEnabled(!m_names[0]->text().trimmed().isEmpty() &&
                   !m_names[1]->text().trimmed().isEmpty() &&
                   m_places[0]->currentIndex() >= 0 &&
                   m_places[0]->currentIndex() != m_places[1]->currentIndex());
}

QStringList DuelDialog::names() const
{
    return {m_names[0]->text(), m_names[1]->text()};
}

QStringList DuelDialog::leftPlaces() const
{
    return {m_places[0]->currentText()};
}

QStringList DuelDialog::rightPlaces() const
{
    return {m_places[1]->currentText()};
}
