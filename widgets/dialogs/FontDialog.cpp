// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/FontDialog.h"

#include "core/FontUnits.h"
#include "display/DisplayFont.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>


namespace {

constexpr double kLargestPoints = 999.9;
constexpr int kSizeDecimals = 1;  // the size is kept in tenths of a point
constexpr int kSwatchSize = 16;
constexpr int kPreviewHeight = 80;

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(color);
    return QIcon(pixmap);
}

}  // namespace

FontDialog::FontDialog(const FontChoice& start, QWidget* parent)
    : QDialog(parent),
      m_face(new QFontComboBox(this)),
      m_size(new QDoubleSpinBox(this)),
      m_bold(new QCheckBox(tr("&Bold"), this)),
      m_italic(new QCheckBox(tr("&Italic"), this)),
      m_underline(new QCheckBox(tr("&Underline"), this)),
      m_strikeOut(new QCheckBox(tr("Stri&keout"), this)),
      m_colorButton(new QPushButton(tr("&Color..."), this)),
      m_preview(new QLabel(tr("AaBbYyZz"), this)),
      m_startFace(start.face),
      m_color(start.color)
{
    setWindowTitle(tr("Font"));
    m_face->setObjectName(QStringLiteral("face"));
    m_size->setObjectName(QStringLiteral("size"));
    m_bold->setObjectName(QStringLiteral("bold"));
    m_italic->setObjectName(QStringLiteral("italic"));
    m_underline->setObjectName(QStringLiteral("underline"));
    m_strikeOut->setObjectName(QStringLiteral("strikeOut"));
    m_colorButton->setObjectName(QStringLiteral("color"));
    m_preview->setObjectName(QStringLiteral("preview"));

    // The face stays as given even when no installed font has it, so confirming the dialog
    // unchanged keeps the stored name.
    m_face->setEditable(true);
    m_face->setCurrentText(start.face);
    m_size->setDecimals(kSizeDecimals);
    m_size->setRange(kSmallestFontPoints, kLargestPoints);
    m_size->setValue(fontPointSize(start.sizeTenths));
    m_bold->setChecked(start.weight > QFont::Normal);
    m_italic->setChecked(start.italic);
    m_underline->setChecked(start.underline);
    m_strikeOut->setChecked(start.strikeOut);
    m_colorButton->setIcon(swatch(m_color));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(kPreviewHeight);
    m_preview->setAutoFillBackground(true);

    auto* fontForm = new QFormLayout;
    fontForm->addRow(tr("&Font:"), m_face);
    fontForm->addRow(tr("&Size:"), m_size);

    auto* effects = new QGroupBox(tr("Effects"), this);
    auto* effectsLayout = new QVBoxLayout(effects);
    for (QWidget* widget : {static_cast<QWidget*>(m_bold), static_cast<QWidget*>(m_italic),
                            static_cast<QWidget*>(m_underline),
                            static_cast<QWidget*>(m_strikeOut),
                            static_cast<QWidget*>(m_colorButton)})
        effectsLayout->addWidget(widget);

    auto* sample = new QGroupBox(tr("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sample);
    sampleLayout->addWidget(m_preview);

    auto* lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(sample, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fontForm);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(m_face, &QComboBox::currentTextChanged, this, &FontDialog::updatePreview);
    connect(m_size, &QDoubleSpinBox::valueChanged, this, &FontDialog::updatePreview);
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikeOut})
        connect(box, &QCheckBox::toggled, this, &FontDialog::updatePreview);
    connect(m_colorButton, &QPushButton::clicked, this, &FontDialog::chooseColor);
    updatePreview();
}

FontChoice FontDialog::choice() const
{
    FontChoice chosen;
    chosen.face = m_face->currentText().trimmed();
    if (chosen.face.isEmpty())  // a face must be named; an emptied box keeps the first one
        chosen.face = m_startFace;
    chosen.sizeTenths = tenthsFromPoints(m_size->value());
    chosen.weight = m_bold->isChecked() ? QFont::Bold : QFont::Normal;
    chosen.italic = m_italic->isChecked();
    chosen.underline = m_underline->isChecked();
    chosen.strikeOut = m_strikeOut->isChecked();
    chosen.color = m_color;
    return chosen;
}

void FontDialog::setColor(const QColor& color)
{
    m_color = color;
    m_colorButton->setIcon(swatch(m_color));
    updatePreview();
}

void FontDialog::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this, tr("Color"));
    if (chosen.isValid())
        setColor(chosen);
}

void FontDialog::updatePreview()
{
    const FontChoice chosen = choice();
    QFont font(chosen.face);
    font.setPointSizeF(fontPointSize(chosen.sizeTenths));
    font.setWeight(static_cast<QFont::Weight>(chosen.weight));
    font.setItalic(chosen.italic);
    font.setUnderline(chosen.underline);
    font.setStrikeOut(chosen.strikeOut);
    m_preview->setFont(font);
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::WindowText, m_color);
    m_preview->setPalette(palette);
}
