// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QDialog>
#include <QString>


class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// A font as the font dialog starts from it and reports it.
struct FontChoice {
    QString face;
    int sizeTenths = 0;  // tenths of a point
    int weight = 400;    // 100 to 900; 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
};

// The display-font dialog: face, size, bold, italic, underline, strike-out and colour, with
// a preview of the choice.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(const FontChoice& start, QWidget* parent = nullptr);

    FontChoice choice() const;
    // Sets the colour as the colour button would (used by the button and by tests).
    void setColor(const QColor& color);

private:
    void chooseColor();
    void updatePreview();

    QComboBox* m_face;
    QDoubleSpinBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikeOut;
    QPushButton* m_colorButton;
    QLabel* m_preview;
    QString m_startFace;
    QColor m_color;
};
