#pragma once

#include <QDialog>

class QPushButton;

// Dialog 100: the program's icon, name and version, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    QPushButton* okButton() const { return m_ok; }

private:
    QPushButton* m_ok;
};
