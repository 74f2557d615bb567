// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/AboutDialog.h"

#include "widgets/ProgramIcon.h"
#include "core/Version.h"
#include "widgets/dialogs/DialogUnits.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The dialog's template, in dialog units.
constexpr int kDialogWidth = 170;
constexpr int kDialogHeight = 62;
constexpr int kOuterMargin = 14;   // left of the icon, above it
constexpr int kButtonMargin = 7;   // right of and below the OK button
constexpr int kIconToText = 7;
constexpr int kLineSpacing = 4;
constexpr int kTextToButton = 7;
constexpr int kIconPixels = 32;

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}
}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, kModalFrameFlags), m_ok(templateButton(tr("OK"), this))
{
    setWindowTitle(tr("About Ovatron"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(programIcon().pixmap(kIconPixels, kIconPixels));
    icon->setFixedSize(kIconPixels, kIconPixels);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &AboutDialog::accept);

    auto* lines = new QVBoxLayout;
    lines->setSpacing(dialogUnitsToPixels(kLineSpacing));
    // The box names the major and minor version only.
    lines->addWidget(plainLabel(
        tr("Ovatron, Version %1.%2").arg(version::kMajor).arg(version::kMinor), this));
    lines->addWidget(plainLabel(tr("The applause meter for live events."), this));
    lines->addStretch();

    auto* identity = new QHBoxLayout;
    identity->setSpacing(dialogUnitsToPixels(kIconToText));
    identity->addWidget(icon, 0, Qt::AlignTop);
    identity->addLayout(lines, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    const int outer = dialogUnitsToPixels(kOuterMargin);
    const int inner = dialogUnitsToPixels(kButtonMargin);
    layout->setContentsMargins(outer, outer, inner, inner);
    layout->setSpacing(dialogUnitsToPixels(kTextToButton));
    layout->addLayout(identity, 1);
    layout->addLayout(buttons);

    // The box keeps the size it was drawn at, grown only when the desktop's font needs more.
    setFixedSize(dialogUnitsToPixels(kDialogWidth, kDialogHeight).expandedTo(sizeHint()));
}

AboutDialog::~AboutDialog() = default;
