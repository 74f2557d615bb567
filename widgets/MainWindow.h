#pragma once

#include "widgets/CommandActions.h"
#include "widgets/HelpViewer.h"
#include "widgets/MeterView.h"

#include <QMainWindow>

namespace brio {
class BRAppConfig;
}

// The program's only top-level window: the meter view as its one pane, the menu bar and the
// command keys, the remembered placement, and full-screen mode.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Title, icon, menu bar and keys; the settings store must outlive the window.
    explicit MainWindow(brio::BRAppConfig& settings);

    // Applies the stored placement and shows the window.
    void restorePlacement();

    MeterView& view() { return m_view; }
    const CommandActions& commands() const { return *m_commands; }
    bool isFullScreenMode() const { return m_fullScreen; }
    // Tests replace the desktop's help program and message box.
    void setHelpActions(HelpActions actions) { m_helpActions = std::move(actions); }

public slots:
    void toggleFullScreen();
    void showHelpContents();
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadMenuBar();
    void enterFullScreenLook();
    void showContextMenu(const QPoint& globalPos);
    void savePlacement();

    brio::BRAppConfig& m_settings;
    MeterView m_view;
    CommandActions* m_commands;  // owned by the window, as Qt objects are
    HelpActions m_helpActions = desktopHelpActions();
    bool m_fullScreen;
};
