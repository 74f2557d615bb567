// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

// View > Event...: the event's name and logo, which the Stage look shows in its top band.
class EventDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with the stored name and the logo's file (empty for none).
    EventDialog(const QString& title, const QString& logo, QWidget* parent = nullptr);

    QString title() const;
    // The picture chosen: the stored copy when unchanged, a new file, or empty for none.
    QString logo() const { return m_logo; }

private:
    void chooseLogo();
    void showLogoName();

    QLineEdit* m_title;
    QLabel* m_logoName;
    QString m_logo;
};
