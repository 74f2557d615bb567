// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/ShowControlDialog.h"

#include "remote/AccessToken.h"
#include "show/ShowControlLink.h"
#include "widgets/dialogs/DialogUnits.h"
#include "display/QrCodeImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kQrModulePixels = 4;
constexpr int kAddressWidthUnits = 220;

QLineEdit* copyableLine(QWidget* parent)
{
    auto* line = new QLineEdit(parent);
    line->setReadOnly(true);
    line->setMinimumWidth(dialogUnitsToPixels(kAddressWidthUnits));
    return line;
}

}  // namespace

ShowControlDialog::ShowControlDialog(const ShowControlSettings& settings, QWidget* parent)
    : QDialog(parent, kModalFrameFlags),
      m_settings(settings),
      m_on(new QCheckBox(tr("&Let remotes control the show"), this)),
      m_address(new QComboBox(this)),
      m_port(new QSpinBox(this)),
      m_token(copyableLine(this)),
      m_overlay(copyableLine(this)),
      m_remote(copyableLine(this)),
      m_api(copyableLine(this)),
      m_qrCode(new QLabel(this))
{
    setWindowTitle(tr("Show Control"));
    m_on->setChecked(settings.on);
    m_address->addItem(tr("This computer only (127.0.0.1)"), QString::fromLatin1(kThisComputerAddress));
    m_address->addItem(tr("The local network (0.0.0.0)"), QString::fromLatin1(kLocalNetworkAddress));
    m_address->setCurrentIndex(m_address->findData(settings.address));
    m_port->setRange(1, 65535);
    m_port->setValue(settings.port);
    auto* newTokenButton = templateButton(tr("&New Token"), this);

    auto* tokenRow = new QHBoxLayout;
    tokenRow->addWidget(m_token, 1);
    tokenRow->addWidget(newTokenButton);
    auto* form = new QFormLayout;
    form->addRow(m_on);
    form->addRow(tr("&Who may connect:"), m_address);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(tr("Access token:"), tokenRow);
    form->addRow(tr("Stream overlay:"), m_overlay);
    form->addRow(tr("Phone remote:"), m_remote);
    form->addRow(tr("API:"), m_api);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_qrCode, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);

    connect(m_on, &QCheckBox::toggled, this, &ShowControlDialog::takeChanges);
    connect(m_address, &QComboBox::currentIndexChanged, this, &ShowControlDialog::takeChanges);
    connect(m_port, &QSpinBox::valueChanged, this, &ShowControlDialog::takeChanges);
    connect(newTokenButton, &QPushButton::clicked, this, &ShowControlDialog::newToken);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    takeChanges();
}

void ShowControlDialog::takeChanges()
{
    m_settings.on = m_on->isChecked();
    m_settings.address = m_address->currentData().toString();
    m_settings.port = m_port->value();
    if (m_settings.on && m_settings.token.isEmpty())
        m_settings.token = newAccessToken();
    showAddresses();
}

void ShowControlDialog::newToken()
{
    m_settings.token = newAccessToken();
    showAddresses();
}

void ShowControlDialog::showAddresses()
{
    m_token->setText(m_settings.token);
    const QString host = m_settings.address == QLatin1String(kLocalNetworkAddress)
                             ? localNetworkHost()
                             : QString::fromLatin1(kThisComputerAddress);
    const ShowControlAddresses addresses =
        showControlAddresses(host, m_settings.port, m_settings.token);
    const bool known = !m_settings.token.isEmpty();
    m_overlay->setText(known ? addresses.overlay : QString());
    m_remote->setText(known ? addresses.remote : QString());
    m_api->setText(known ? addresses.api : QString());
    // Each address reads from its start, where the host and the page are.
    for (QLineEdit* line : {m_overlay, m_remote, m_api})
        line->setCursorPosition(0);
    m_qrCode->setPixmap(known ? QPixmap::fromImage(qrCodeImage(addresses.remote, kQrModulePixels))
                              : QPixmap());
}
