#include "app/HelpViewer.h"

#include "app/HtmlMessageBox.h"
#include "app/TheConfig.h"
#include "brio/BRStringQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>

#include <utility>

namespace {
// The missing-page message: a warning with one OK button, no help topic, and a ten-second
// timeout that HtmlMessageBox leaves unused.
constexpr unsigned kMissingStyle = kMessageIconWarning;
constexpr unsigned kNoHelpTopic = 0;
constexpr double kMissingTimeoutSeconds = 10.0;

HelpActions& currentActions()
{
    static HelpActions actions = desktopHelpActions();
    return actions;
}
}  // namespace

HelpActions desktopHelpActions()
{
    HelpActions actions;
    actions.open = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    actions.showMissing = [](const QString& message) {
        HtmlMessageBox(message, kMissingStyle, kNoHelpTopic, kMissingTimeoutSeconds,
                       QApplication::activeWindow());
    };
    return actions;
}

ScopedHelpActions::ScopedHelpActions(HelpActions actions)
    : m_previous(std::exchange(currentActions(), std::move(actions)))
{
}

ScopedHelpActions::~ScopedHelpActions()
{
    currentActions() = std::move(m_previous);
}

void ShowHelpPage(const brio::BRString& page, const HelpFolders& folders)
{
    // A copy: the message box runs its own event loop, during which the actions may change.
    const HelpActions actions = currentActions();
    if (isWebAddress(page)) {
        actions.open(QUrl(brio::toQString(page)));
        return;
    }
    const brio::BRString path = FindHelpFile(page, folders);
    if (path.empty()) {
        actions.showMissing(QString::fromLatin1(kHelpFileMissing));
        return;
    }
    // A page found relative to the working folder is opened from there, not from wherever
    // the desktop's program happens to start.
    actions.open(QUrl::fromLocalFile(QFileInfo(brio::toQString(path)).absoluteFilePath()));
}

void ShowHelpPage(const brio::BRString& page)
{
    ShowHelpPage(page, helpFoldersOf(theConfig));
}
