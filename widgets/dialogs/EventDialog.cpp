// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/EventDialog.h"


#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


EventDialog::EventDialog(const QString& title, const QString& logo, QWidget* parent)
    : QDialog(parent), m_title(new QLineEdit(title)), m_logoName(new QLabel), m_logo(logo)
{
    setWindowTitle(tr("Event"));
    auto* choose = new QPushButton(tr("&Choose..."));
    auto* none = new QPushButton(tr("&No Logo"));
    connect(choose, &QPushButton::clicked, this, &EventDialog::chooseLogo);
    connect(none, &QPushButton::clicked, this, [this]() {
        m_logo.clear();
        showLogoName();
    });
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(m_logoName, 1);
    logoRow->addWidget(choose);
    logoRow->addWidget(none);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Event &name:"), m_title);
    form->addRow(tr("Logo:"), logoRow);
    form->addRow(buttons);
    m_title->setMinimumWidth(m_title->fontMetrics().averageCharWidth() * 40);
    showLogoName();
}

QString EventDialog::title() const
{
    return m_title->text().trimmed();
}

void EventDialog::chooseLogo()
{
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Event Logo"), QString(), tr("Pictures (*.png *.jpg *.jpeg *.svg)"));
    if (chosen.isEmpty())
        return;
    m_logo = chosen;
    showLogoName();
}

void EventDialog::showLogoName()
{
    m_logoName->setText(m_logo.isEmpty() ? tr("(none)") : QFileInfo(m_logo).fileName());
}
