// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRStringArray.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The preload list dialog: the operator edits the preload list, one name a line. OK replaces the list with
// the names typed; Cancel, Esc or closing the window leave it as it was.
class PreloadDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on list, the running order as it is; OK hands back the names typed (names()).
    explicit PreloadDialog(const brio::BRStringArray& list, QWidget* parent = nullptr);
    ~PreloadDialog() override;

    // The names as carriage-return-line-feed separated text, as last exchanged with the
    // edit box.
    const brio::BRString& text() const { return m_text; }
    // The list the dialog opened on, and after OK the names typed.
    const brio::BRStringArray& names() const { return m_names; }

    // saveAndValidate false: the text goes into the edit box; true: it comes back from it.
    void exchangeText(bool saveAndValidate);

    QPlainTextEdit* editBox() const { return m_edit; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    // OK: the names are rebuilt from the edit box before the dialog closes.
    void accept() override;

private:
    brio::BRStringArray m_names;
    brio::BRString m_text;
    QPlainTextEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
