#pragma once

#include "app/CMainFrame.h"

#include <QPointer>

// The application object: creates the main window at start and answers the help, About
// and exit commands that neither the view nor the window takes.
class Ovatron {
public:
    Ovatron() = default;
    Ovatron(const Ovatron&) = delete;
    Ovatron& operator=(const Ovatron&) = delete;

    // Creates, places and shows the main window; false ends the program at once.
    bool InitInstance();
    bool OnCmdMsg(int id);

    void OnAppAbout();
    void OnHelpContents();

    // Lets a test hand in a window of its own making.
    void setMainWindow(CMainFrame* frame) { m_pMainWnd = frame; }

private:
    // The main window while it exists; it deletes itself when closed.
    QPointer<CMainFrame> m_pMainWnd;
};

extern Ovatron theApp;
