// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "store/StoreLocation.h"
#include "widgets/dialogs/ResumeQuestion.h"

#include "widgets/ProgramIcon.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <future>

namespace {

// How long the start waits for the window's first frame: a window that is never drawn (on a
// screen that is off, say) must not hold back the rest.
constexpr int kFirstFrameWaitMs = 500;

// Tells when a widget has first been painted, and waits for it.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget& widget) : m_widget(&widget) { widget.installEventFilter(this); }
    ~FirstPaintWatch() override
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
    }
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    // Runs the event loop for the window alone, the operator's input waiting in Qt's queue,
    // until the widget has been painted and the frame has gone to the screen, or for at most
    // milliseconds.
    void await(int milliseconds)
    {
        if (m_painted || !m_widget || !m_widget->isVisible())
            return;
        QEventLoop untilPainted;
        m_loop = &untilPainted;
        QTimer::singleShot(milliseconds, &untilPainted, &QEventLoop::quit);
        untilPainted.exec(QEventLoop::ExcludeUserInputEvents);
        m_loop = nullptr;
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            m_painted = true;
            // Queued, so that it comes after the frame has been flushed.
            if (m_loop != nullptr)
                QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> m_widget;  // the window may be closed meanwhile
    QEventLoop* m_loop = nullptr;
    bool m_painted = false;
};

}  // namespace

Application::Application(AppConfig& config, const QStringList& audioFiles,
                         std::optional<int> showControlPort)
    : m_config(config),
      m_audioFiles(audioFiles),
      m_showControlPort(showControlPort),
      m_show(config, defaultDatabasePath())
{
}

Application::~Application()
{
    // A window still open when the event loop ends goes before the show it shows.
    delete m_window.data();
}

void Application::start(StartupWarmUp& warmUp)
{
    m_window = new MainWindow(m_show, m_config, warmUp.displayPictures());
    // The window's first frame comes first; the results file, the icon, show control and OSC
    // follow it. The results file opens on a thread of its own while the icon is set. Until it
    // is open the event loop runs for the window alone: the operator's input waits in Qt's
    // queue, and show control and OSC are not yet listening, so the first key, the first remote
    // command and the resume question all come after the file is open.
    {
        FirstPaintWatch firstFrame(*m_window->centralWidget());
        m_window->restorePlacement();
        firstFrame.await(kFirstFrameWaitMs);
    }
    QEventLoop untilOpen;
    std::atomic<bool> opened = false;
    std::future<StoreStatus> opening = std::async(std::launch::async, [this, &untilOpen, &opened] {
        StoreStatus status = m_show.openResults();
        opened = true;
        QMetaObject::invokeMethod(&untilOpen, &QEventLoop::quit, Qt::QueuedConnection);
        return status;
    });
    QApplication::setWindowIcon(programIconOf(warmUp.iconPictures()));
    if (!opened)
        untilOpen.exec(QEventLoop::ExcludeUserInputEvents);
    const StoreStatus status = opening.get();
    QObject::connect(m_window, &MainWindow::closing, &m_show, &Show::end);
    m_show.followSettings();
    // The remotes work while the resume question waits for its answer.
    if (m_showControlPort)
        m_show.showControl().startForThisRun(*m_showControlPort);
    beginOrResumeEvent();
    if (!status.message.isEmpty())
        m_window->showNotice(status.message);
    // Faults of the sound input arrive as notices once the window shows.
    m_show.microphone().begin(m_audioFiles);
}

void Application::beginOrResumeEvent()
{
    const std::optional<StoredEvent> last = m_show.eventToResume();
    if (last && askToResume(m_window, static_cast<int>(last->entries.size()), lastContestant(*last)))
        m_show.resumeEvent(*last);
    else
        m_show.beginEvent();
}
