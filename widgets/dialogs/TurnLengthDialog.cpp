// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/TurnLengthDialog.h"

#include "core/settings/TurnSettings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

QSpinBox* makeTurnLengthBox(int seconds, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(0, kMaximumTurnSeconds);
    box->setSuffix(QCoreApplication::translate("TurnLengthDialog", " s"));
    box->setSpecialValueText(QCoreApplication::translate("TurnLengthDialog", "Until Enter"));
    box->setValue(seconds);
    return box;
}

TurnLengthDialog::TurnLengthDialog(int seconds, QWidget* parent)
    : QDialog(parent), m_seconds(makeTurnLengthBox(seconds, this))
{
    setWindowTitle(tr("Turn Length"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Turn length:"), m_seconds);
    auto* hint = new QLabel(
        tr("Each turn ends by itself this many seconds after the applause starts."), this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(hint);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int TurnLengthDialog::seconds() const
{
    return m_seconds->value();
}
