// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/Show.h"
#include "widgets/CommandActions.h"
#include "widgets/HelpViewer.h"
#include "widgets/MeterView.h"
#include "widgets/dialogs/ResultsDialogs.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace brio {
class BRAppConfig;
}
class AudienceWindow;
class OperatorStrip;
struct CommandContext;

// The program's only top-level window: the meter view as its one pane, the menu bar and the
// command keys, the remembered placement, and full-screen mode. It shows the show and hands
// it the operator's intents; the application owns the show.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Title, icon, menu bar and keys; the show and the settings store must outlive the window.
    // pictures: the display's, when the caller has decoded them already.
    MainWindow(Show& show, brio::BRAppConfig& settings,
               const DisplayPictures& pictures = decodeDisplayPictures());
    ~MainWindow() override;

    // Applies the stored placement and shows the window, and the audience screen when it was
    // open at the end of the last run.
    void restorePlacement();

    MeterView& view() { return m_view; }
    const CommandActions& commands() const { return *m_commands; }
    bool isFullScreenMode() const { return m_fullScreen; }
    bool isAudienceScreenOpen() const;
    // The audience's window while it exists (for tests).
    const AudienceWindow* audienceWindow() const { return m_audience.get(); }
    // What the menu rules look at now.
    CommandContext commandContext() const;
    // Tests replace the desktop's help program and message box, and the export and print
    // dialogs.
    void setHelpActions(HelpActions actions) { m_helpActions = std::move(actions); }
    void setResultsDialogs(ResultsDialogs dialogs) { m_resultsDialogs = std::move(dialogs); }

    // Writes the league table to the file (.csv or .pdf); the operator is told when it fails.
    bool exportResultsTo(const QString& path);
    // A one-line message for the operator at the foot of the window, for a while.
    void showNotice(const QString& text);
    // Stores the event's name and a copy of its logo (none for an empty path; the stored copy
    // stays as it is); false, with a message, when the picture could not be copied.
    bool setEvent(const QString& title, const QString& logo);
    bool winnersShowing() const { return session().winnersShowing(); }
    // Every command is run here: those of the table (core/CommandTable.h), the audience
    // window's keys among them; roundId names the round to switch to with SwitchRound.
    void runCommand(Command command, int roundId = 0);

public slots:
    void toggleFullScreen();
    void toggleAudienceScreen();
    // Edit > Measure With Microphone, and Edit > Microphone... (the calibration dialog).
    void toggleMicrophone();
    void editMicrophone();
    // Edit > Duel...: the sides chosen in the dialog, started on the session.
    void startDuel();
    // The jury's marking of the latest contestant open closed, the operator asked first
    // when no judge has marked her.
    void closeLatestMarking();
    // Edit > Jury...: the set-up chosen in the dialog carried out on the session.
    void editJury();
    // The selected row's contestant when her marking was closed, to open it again.
    std::optional<std::int64_t> selectedMarking() const;
    // View > Show Control...: the dialog, and the server following what it sets.
    void editShowControl();
    void editOsc();
    // View > Sound Cues...
    void editSoundCues();
    // True once the chosen file is written; false when cancelled or failed.
    bool exportResults();
    void printResults();
    void showHelpContents();
    void showAbout();
    // View > Event...: the event's name and logo for the Stage look.
    void editEvent();
    // View > Show Winners, and Esc while they show.
    void toggleWinners();
    // Rounds > Remove Round: the current round, while it has no scores.
    void removeRound();
    void switchRound(int roundId);
    void newRound();
    void renameRound();
    void clapOff();

signals:
    // The operator closes the program (File > Exit or the close box).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MeterSession& session() { return m_show.session(); }
    const MeterSession& session() const { return m_show.session(); }
    // A message a command answered, empty when it was carried out, goes to the foot.
    void tellProblem(const QString& problem);
    void loadMenuBar();
    void enterFullScreenLook();
    void showContextMenu(const QPoint& globalPos);
    void savePlacement();
    void openAudienceScreen();
    void closeAudienceScreen();
    // Puts the audience window on the screen chosen for it now; closes it when only the
    // operator's screen is left after a projector went away.
    void placeAudienceWindow(bool screensChanged);
    void keepOnAScreen();
    void showOperatorStrip();
    void hideFootUnlessNeeded();
    QStatusBar& foot();
    void followMenuRules();
    // False when results are not on disk and the operator does not let them go.
    bool mayClose();
    // The audience window takes the stored look and event; a logo it cannot show is a notice.
    void showStageSettings();
    // Everything that shows the winners follows the session.
    void followWinners(bool showing);

    Show& m_show;
    brio::BRAppConfig& m_settings;
    MeterView m_view;
    CommandActions* m_commands;  // owned by the window, as Qt objects are
    bool m_fullScreen;
    OperatorStrip* m_strip = nullptr;  // at the foot while the audience screen is open; made by foot()
    HelpActions m_helpActions = desktopHelpActions();
    std::unique_ptr<AudienceWindow> m_audience;
    ResultsDialogs m_resultsDialogs = standardResultsDialogs();
};
