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

// Copies the picture into the data folder under a name of the program's own, so that the
// original may move; answers the copy's file name, or an empty one with the reason in
// problem. A picture already there stays as it is.
QString copyEventLogo(const QString& source, QString& problem);
// Where the copy of that name lives.
QString eventLogoPath(const QString& name);
