#include "app/CMainFrame.h"

#include "app/MenuBuilder.h"
#include "app/MenuTable.h"
#include "app/Ovatron.h"
#include "app/PlacementPlan.h"
#include "app/ProductConfig.h"
#include "app/ProgramIcon.h"
#include "app/TheConfig.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <vector>

namespace {

// The size of a first start, before anything is stored; the window system places it.
constexpr QSize kDefaultSize(1024, 720);

std::vector<WindowRect> availableScreens()
{
    std::vector<WindowRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return screens;
}

}  // namespace

CMainFrame::CMainFrame() : m_bFullScreen(loadFullScreenFlag(theConfig))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(&m_wndView);
    setFocusProxy(&m_wndView);
}

bool CMainFrame::LoadFrame()
{
    setWindowTitle(QString::fromUtf8(kProductName));
    setWindowIcon(programIcon());
    resize(kDefaultSize);
    loadMenu();
    installAccelerators();
    m_wndView.setFocus();
    return true;
}

void CMainFrame::loadMenu()
{
    // A fresh menu bar every time, as when the menu resource is loaded anew.
    auto* bar = new QMenuBar(this);
    fillMenuBar(*bar, mainMenu(), *this);
    setMenuBar(bar);
}

void CMainFrame::removeMenu()
{
    if (menuWidget())
        setMenuWidget(nullptr);  // the window deletes the old bar itself
}

void CMainFrame::installAccelerators()
{
    // The keys are taken here and do nothing, so they never reach the view as typing.
    for (const Accelerator& accelerator : accelerators()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(QString::fromUtf8(accelerator.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = accelerator.id;
        connect(action, &QAction::triggered, this, [this, id]() { OnCmdMsg(id); });
        addAction(action);
    }
}

bool CMainFrame::OnCmdMsg(int id)
{
    if (m_wndView.OnCmdMsg(id))
        return true;
    return theApp.OnCmdMsg(id);
}

std::optional<CommandUiState> CMainFrame::updateCommandUi(int id) const
{
    return m_wndView.updateCommandUi(id);
}

void CMainFrame::trackContextMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    fillMenu(menu, contextMenu(), *this);
    const QSize size = menu.sizeHint();
    menu.exec(globalPos - QPoint(size.width() / 2, 0));
}

void CMainFrame::enterFullScreenLook()
{
    removeMenu();
    showFullScreen();
}

void CMainFrame::RestorePlacement()
{
    const std::vector<WindowRect> screens = availableScreens();
    const PlacementPlan plan = planPlacement(loadPlacement(theConfig), m_bFullScreen, screens);
    if (plan.useStoredRect)
        setGeometry(plan.rect.x, plan.rect.y, plan.rect.width, plan.rect.height);
    if (plan.fullScreen)
        enterFullScreenLook();
    else if (plan.showState == kShowMaximised)
        showMaximized();
    else
        showNormal();
    m_wndView.updateCursor();
}

void CMainFrame::ToggleFullScreen()
{
    m_bFullScreen = !m_bFullScreen;
    storeFullScreenFlag(theConfig, m_bFullScreen);
    if (m_bFullScreen) {
        enterFullScreenLook();
    } else {
        loadMenu();
        showNormal();
    }
    m_wndView.updateCursor();
    m_wndView.setFocus();
}

void CMainFrame::savePlacement()
{
    const QRect normal = normalGeometry();
    // A window that was never laid out has no normal rectangle; keep what is stored.
    if (!normal.isValid())
        return;
    const Qt::WindowStates states = windowState();
    int showState = kShowNormal;
    if (states & Qt::WindowMinimized)
        showState = kShowMinimised;
    else if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        showState = kShowMaximised;
    ::savePlacement(theConfig, normal.x(), normal.y(), normal.width(), normal.height(), showState);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    savePlacement();
    event->accept();
}
