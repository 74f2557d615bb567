#include "app/Application.h"

void Application::start()
{
    m_window = new MainWindow(m_config);
    m_window->restorePlacement();
}

Application::~Application()
{
    // A window still open when the event loop ends goes before the store it writes to.
    delete m_window.data();
}
