// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/ShowControlSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// View > Show Control...: on or off, who may connect, the port, the access token with
// "New Token", the overlay's, the remote's and the API's addresses to copy, and a QR code of
// the remote's address for a phone.
class ShowControlDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShowControlDialog(const ShowControlSettings& settings, QWidget* parent = nullptr);

    // What the operator set; a token is made the first time show control is switched on.
    ShowControlSettings settings() const { return m_settings; }
    QCheckBox* onBox() const { return m_on; }
    QLineEdit* remoteAddress() const { return m_remote; }
    const QLabel* qrCode() const { return m_qrCode; }

private:
    void takeChanges();
    void newToken();
    void showAddresses();

    ShowControlSettings m_settings;
    QCheckBox* m_on;
    QComboBox* m_address;
    QSpinBox* m_port;
    QLineEdit* m_token;
    QLineEdit* m_overlay;
    QLineEdit* m_remote;
    QLineEdit* m_api;
    QLabel* m_qrCode;
};
