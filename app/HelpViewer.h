#pragma once

#include "app/HelpFiles.h"
#include "brio/BRString.h"

#include <QString>
#include <QUrl>

#include <functional>

// What showing help does to the outside world: open an address in the desktop's program for
// it, or tell the operator that the page is missing.
struct HelpActions {
    std::function<void(const QUrl&)> open;
    std::function<void(const QString& message)> showMissing;
};

// The real ones: QDesktopServices::openUrl (an address that no program takes is passed over in
// silence) and a warning message box.
HelpActions desktopHelpActions();

// Replaces the help actions for as long as it lives, so that tests never start a browser.
class ScopedHelpActions {
public:
    explicit ScopedHelpActions(HelpActions actions);
    ~ScopedHelpActions();

    ScopedHelpActions(const ScopedHelpActions&) = delete;
    ScopedHelpActions& operator=(const ScopedHelpActions&) = delete;

private:
    HelpActions m_previous;
};

// The message shown when no help page can be found.
inline constexpr char kHelpFileMissing[] = "Can't find help file";

// A web address ("http://..." or "https://...") is opened as it is. Anything else is a help
// page looked up with FindHelpFile in the given folders, or in those of the running program;
// a page that is found is opened as a local file, one that is not gives the message
// "Can't find help file".
void ShowHelpPage(const brio::BRString& page, const HelpFolders& folders);
void ShowHelpPage(const brio::BRString& page);
