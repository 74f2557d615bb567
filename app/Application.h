#pragma once

#include "core/AppConfig.h"
#include "widgets/MainWindow.h"

#include <QPointer>

// The application object: made in main() after the configuration store, it creates, places and
// shows the main window, which deletes itself when closed.
class Application {
public:
    explicit Application(AppConfig& config) : m_config(config) {}
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void start();

private:
    AppConfig& m_config;
    QPointer<MainWindow> m_window;
};
