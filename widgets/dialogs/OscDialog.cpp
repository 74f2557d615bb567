// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/OscDialog.h"

#include "show/Show.h"
#include "widgets/dialogs/DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kAddressWidthUnits = 220;

}  // namespace

OscDialog::OscDialog(const OscSettings& settings, const Show& show, QWidget* parent)
    : QDialog(parent, kModalFrameFlags),
      m_show(show),
      m_on(new QCheckBox(tr("&Take and send OSC messages"), this)),
      m_address(new QComboBox(this)),
      m_port(new QSpinBox(this)),
      m_allowFrom(new QLineEdit(settings.allowFrom, this)),
      m_sendTo(new QLineEdit(settings.sendTo, this)),
      m_sendLevel(new QCheckBox(tr("Send the &level (ten times a second at most)"), this)),
      m_problems(new QLabel(this)),
      m_counts(new QLabel(this))
{
    setWindowTitle(tr("OSC"));
    m_on->setChecked(settings.on);
    m_address->addItem(tr("This computer only (127.0.0.1)"), QString::fromLatin1(kOscThisComputer));
    m_address->addItem(tr("The local network (0.0.0.0)"), QString::fromLatin1(kOscLocalNetwork));
    m_address->setCurrentIndex(m_address->findData(settings.address));
    m_port->setRange(1, 65535);
    m_port->setValue(settings.port);
    m_allowFrom->setPlaceholderText(tr("this computer only"));
    m_allowFrom->setMinimumWidth(dialogUnitsToPixels(kAddressWidthUnits));
    m_sendTo->setPlaceholderText(tr("host:port, host:port"));
    m_sendLevel->setChecked(settings.sendLevel);
    m_allowFrom->setObjectName(QStringLiteral("allowFrom"));
    m_sendTo->setObjectName(QStringLiteral("sendTo"));
    m_problems->setWordWrap(true);
    auto* testButton = templateButton(tr("Send &Test"), this);

    auto* form = new QFormLayout;
    form->addRow(m_on);
    form->addRow(tr("&Listen on:"), m_address);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(tr("&Accept from:"), m_allowFrom);
    form->addRow(tr("&Send to:"), m_sendTo);
    form->addRow(m_sendLevel);
    form->addRow(testButton);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problems);
    layout->addWidget(m_counts);
    layout->addWidget(buttons);

    connect(testButton, &QPushButton::clicked, this, &OscDialog::sendTest);
    connect(m_allowFrom, &QLineEdit::textChanged, this, &OscDialog::checkAddresses);
    connect(m_sendTo, &QLineEdit::textChanged, this, &OscDialog::checkAddresses);
    connect(&show.osc(), &OscBridge::changed, this, &OscDialog::showCounts);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    checkAddresses();
    showCounts();
}

OscSettings OscDialog::settings() const
{
    OscSettings settings;
    settings.on = m_on->isChecked();
    settings.address = m_address->currentData().toString();
    settings.port = m_port->value();
    settings.allowFrom = m_allowFrom->text().trimmed();
    settings.sendTo = m_sendTo->text().trimmed();
    settings.sendLevel = m_sendLevel->isChecked();
    return settings;
}

void OscDialog::sendTest()
{
    const int sent = m_show.osc().sendTest(m_sendTo->text());
    m_problems->setText(sent > 0 ? tr("The test message went to %n target(s).", nullptr, sent)
                                 : tr("No target to send the test message to."));
}

void OscDialog::checkAddresses()
{
    const QStringList unreadable =
        m_show.osc().unreadableAddresses(m_sendTo->text(), m_allowFrom->text());
    m_problems->setText(unreadable.isEmpty()
                            ? QString()
                            : tr("Not an address: %1").arg(unreadable.join(QStringLiteral(", "))));
}

void OscDialog::showCounts()
{
    const OscService* link = m_show.osc().link();
    if (!link) {
        m_counts->setText(tr("OSC is off."));
        return;
    }
    const OscCounts counts = link->counts();
    m_counts->setText(tr("Messages in: %1, out: %2, refused: %3")
                          .arg(counts.in)
                          .arg(counts.out)
                          .arg(counts.refused));
}
