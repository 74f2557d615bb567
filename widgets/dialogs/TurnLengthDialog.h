// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QSpinBox;
class QWidget;

// The turn length as the operator chooses it, in the Microphone dialog and in Edit > Turn
// Length: whole seconds 0 to 60, 0 shown as "until Enter".
QSpinBox* makeTurnLengthBox(int seconds, QWidget* parent);

// Edit > Turn Length: the turn length alone, with OK and Cancel.
class TurnLengthDialog : public QDialog {
    Q_OBJECT
public:
    explicit TurnLengthDialog(int seconds, QWidget* parent = nullptr);

    int seconds() const;

private:
    QSpinBox* m_seconds;
};
