// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/PreloadDialog.h"

#include "widgets/dialogs/EditBoxText.h"
#include "widgets/dialogs/DialogUnits.h"
#include "core/PreloadText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The dialog's template, in dialog units.
constexpr int kDialogWidth = 244;
constexpr int kDialogHeight = 183;
constexpr int kMargin = 7;
constexpr int kLabelToEdit = 1;
constexpr int kEditToButtons = 4;
constexpr int kEditWidth = 230;
constexpr int kEditHeight = 139;
constexpr int kButtonGap = 4;
// The dialog opens at its template size; the operator may shrink the names box to half of it.
constexpr int kEditShrinkDivisor = 2;

}  // namespace

PreloadDialog::PreloadDialog(const brio::BRStringArray& list, QWidget* parent)
    : QDialog(parent, kModalFrameFlags),
      m_names(list),
      m_text(preloadTextFromList(list)),
      m_edit(new QPlainTextEdit(this)),
      m_ok(templateButton(tr("OK"), this)),
      m_cancel(templateButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Edit League Table"));

    auto* prompt = new QLabel(
        tr("Enter the names to be loaded into the league table, one entry per line."), this);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);

    // Long names scroll sideways rather than wrap, so that every line is one name. Tab moves
    // on to the buttons, as in any dialog; Enter stays in the box and starts a new line.
    m_edit->setObjectName(QStringLiteral("names"));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setTabChangesFocus(true);
    m_edit->setMinimumSize(dialogUnitsToPixels(kEditWidth, kEditHeight) / kEditShrinkDivisor);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PreloadDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &PreloadDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(dialogUnitsToPixels(kButtonGap));
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    const int margin = dialogUnitsToPixels(kMargin);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    layout->addWidget(prompt);
    layout->addSpacing(dialogUnitsToPixels(kLabelToEdit));
    layout->addWidget(m_edit, 1);
    layout->addSpacing(dialogUnitsToPixels(kEditToButtons));
    layout->addLayout(buttons);

    resize(dialogUnitsToPixels(kDialogWidth, kDialogHeight).expandedTo(minimumSizeHint()));
    exchangeText(false);
    m_edit->setFocus();
}

PreloadDialog::~PreloadDialog() = default;

void PreloadDialog::exchangeText(bool saveAndValidate)
{
    exchangeEditBoxText(saveAndValidate, m_edit, m_text);
}

void PreloadDialog::accept()
{
    exchangeText(true);
    rebuildListFromText(m_names, m_text);
    QDialog::accept();
}
