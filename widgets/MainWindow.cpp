#include "widgets/MainWindow.h"

#include "core/PlacementPlan.h"
#include "core/ProductConfig.h"
#include "widgets/AboutDialog.h"
#include "widgets/HelpViewer.h"
#include "widgets/ProgramIcon.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <vector>

namespace {

// The size of a first start, before anything is stored; the window system places it.
constexpr QSize kDefaultSize(1024, 720);
const char kHelpPage[] = "index.html";

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

MainWindow::MainWindow(brio::BRAppConfig& settings)
    : m_settings(settings),
      m_view(settings),
      m_commands(new CommandActions(*this)),
      m_fullScreen(loadFullScreenFlag(settings))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(&m_view);
    setFocusProxy(&m_view);
    setWindowTitle(QString::fromUtf8(kProductName));
    // Windows show the application's icon, which main() sets; a second copy would keep every
    // size of it decoded twice.
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(programIcon());
    resize(kDefaultSize);
    loadMenuBar();
    connect(&m_view, &MeterView::contextMenuRequested, this, &MainWindow::showContextMenu);
    connect(&m_view, &MeterView::fullScreenToggleRequested, this, &MainWindow::toggleFullScreen);
    m_view.setFocus();
}

void MainWindow::loadMenuBar()
{
    // A fresh menu bar every time the window comes back from full-screen mode.
    auto* bar = new QMenuBar(this);
    m_commands->fillMenuBar(*bar);
    setMenuBar(bar);
}

void MainWindow::showContextMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    m_commands->fillContextMenu(menu);
    // Centred on the pointer, its top edge at the pointer.
    const QSize size = menu.sizeHint();
    menu.exec(globalPos - QPoint(size.width() / 2, 0));
}

void MainWindow::enterFullScreenLook()
{
    if (menuWidget())
        setMenuWidget(nullptr);  // the window deletes the old bar itself
    showFullScreen();
}

void MainWindow::restorePlacement()
{
    const std::vector<WindowRect> screens = availableScreens();
    const PlacementPlan plan = planPlacement(loadPlacement(m_settings), m_fullScreen, screens);
    if (plan.useStoredRect)
        setGeometry(plan.rect.x, plan.rect.y, plan.rect.width, plan.rect.height);
    if (plan.fullScreen)
        enterFullScreenLook();
    else if (plan.showState == kShowMaximised)
        showMaximized();
    else
        showNormal();
    m_view.setPointerHidden(m_fullScreen);
}

void MainWindow::toggleFullScreen()
{
    m_fullScreen = !m_fullScreen;
    storeFullScreenFlag(m_settings, m_fullScreen);
    if (m_fullScreen) {
        enterFullScreenLook();
    } else {
        loadMenuBar();
        showNormal();
    }
    m_view.setPointerHidden(m_fullScreen);
    m_view.setFocus();
}

void MainWindow::showHelpContents()
{
    showHelpPage(kHelpPage, helpFoldersOf(m_settings), m_helpActions);
}

void MainWindow::showAbout()
{
    // Owned by the window so that it stays above it and centres on it.
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::savePlacement()
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
    ::savePlacement(m_settings, normal.x(), normal.y(), normal.width(), normal.height(), showState);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    savePlacement();
    event->accept();
}
