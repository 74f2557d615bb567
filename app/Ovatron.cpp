#include "app/Ovatron.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/HelpViewer.h"

namespace {
const char kHelpPage[] = "index.html";
}  // namespace

bool Ovatron::InitInstance()
{
    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame()) {
        delete frame;
        return false;
    }
    frame->RestorePlacement();
    return true;
}

bool Ovatron::OnCmdMsg(int id)
{
    switch (id) {
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case ID_HELP_CONTENTS:
    case ID_HELP_INDEX:
    case ID_HELP_USING:
    case ID_CONTEXT_HELP:
    case ID_HELP:
        OnHelpContents();
        return true;
    case ID_APP_EXIT:
        // Exactly as the close box: the window saves its placement on the way.
        if (m_pMainWnd)
            m_pMainWnd->close();
        return true;
    default:
        return false;
    }
}

void Ovatron::OnAppAbout()
{
    // Owned by the main window so that it stays above it and centres on it.
    CAboutDlg dialog(m_pMainWnd);
    dialog.exec();
}

void Ovatron::OnHelpContents()
{
    ShowHelpPage(kHelpPage);
}
