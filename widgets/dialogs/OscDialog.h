// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/OscSettings.h"

#include <QDialog>

class Show;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// View > OSC...: on or off, the address and port it listens on, whom it takes messages from,
// where it sends them, the level too or not; "Send Test", and the counts of messages in, out
// and refused while it runs.
class OscDialog : public QDialog {
    Q_OBJECT
public:
    OscDialog(const OscSettings& settings, const Show& show, QWidget* parent = nullptr);

    // What the operator set.
    OscSettings settings() const;
    QLabel* counts() const { return m_counts; }
    QLabel* problems() const { return m_problems; }
    QLineEdit* sendTo() const { return m_sendTo; }

    // Sends the test message to the targets written now, whether or not OSC runs yet.
    void sendTest();

private:
    void showCounts();
    void checkAddresses();

    const Show& m_show;
    QCheckBox* m_on;
    QComboBox* m_address;
    QSpinBox* m_port;
    QLineEdit* m_allowFrom;
    QLineEdit* m_sendTo;
    QCheckBox* m_sendLevel;
    QLabel* m_problems;
    QLabel* m_counts;
};
