#pragma once

#include "app/CommandTarget.h"
#include "meter/ChildView.h"
#include "meter/FrameHost.h"

#include <QMainWindow>

// The program's only top-level window: the meter view as its one pane, the menu bar and
// accelerators, the remembered placement, and full-screen mode.
class CMainFrame : public QMainWindow, public CommandTarget, public FrameHost {
    Q_OBJECT
public:
    CMainFrame();

    // Gives the window its title, icon, menu 128 and accelerator table 128.
    bool LoadFrame();
    // Applies the stored placement and shows the window.
    void RestorePlacement();

    // The view first, then the window itself, then the application.
    bool OnCmdMsg(int id) override;
    std::optional<CommandUiState> updateCommandUi(int id) const override;

    void ToggleFullScreen() override;
    bool isFullScreenMode() const override { return m_bFullScreen; }
    void trackContextMenu(const QPoint& globalPos) override;

    ChildView& view() { return m_wndView; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadMenu();
    void removeMenu();
    void installAccelerators();
    void enterFullScreenLook();
    void savePlacement();

    ChildView m_wndView;
    bool m_bFullScreen;
};
