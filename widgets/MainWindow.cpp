// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MainWindow.h"

#include "core/AppConfig.h"
#include "core/AudienceScreen.h"
#include "core/MenuRules.h"
#include "core/PlacementPlan.h"
#include "core/ProductConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/PlacementSettings.h"
#include "core/settings/StageSettings.h"
#include "core/settings/TurnSettings.h"
#include "brio/BRStringQt.h"
#include "display/LayoutRects.h"
#include "widgets/dialogs/AboutDialog.h"
#include "widgets/AudienceWindow.h"
#include "widgets/dialogs/EventDialog.h"
#include "widgets/HelpViewer.h"
#include "widgets/dialogs/MessageBox.h"
#include "widgets/dialogs/RoundDialogs.h"
#include "show/ShowControlLink.h"
#include "widgets/dialogs/DuelDialog.h"
#include "widgets/dialogs/JuryDialog.h"
#include "widgets/dialogs/QuestionBox.h"
#include "widgets/dialogs/MicrophoneDialog.h"
#include "show/MeterResults.h"
#include "show/ModuleFile.h"
#include "widgets/OperatorStrip.h"
#include "results/ResultsExport.h"
#include "results/ResultsSheet.h"
#include "widgets/dialogs/OscDialog.h"
#include "widgets/dialogs/SoundCuesDialog.h"
#include "widgets/dialogs/ShowControlDialog.h"
#include "widgets/dialogs/TurnDetailsDialog.h"
#include "widgets/PrintService.h"
#include "widgets/dialogs/UnsavedResultsQuestion.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLocale>
#include <QLoggingCategory>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <vector>

// Every notice also goes to the log, so that what the operator was told can be read after
// the show.
Q_LOGGING_CATEGORY(lcNotices, "ovatron.notices", QtInfoMsg)

namespace {

// The size of a first start, before anything is stored; the window system places it.
constexpr QSize kDefaultSize(1024, 720);
// How long a notice stays at the foot of the window.
constexpr int kNoticeMilliseconds = 20000;
const char kHelpPage[] = "index.html";

std::vector<WindowRect> availableScreens()
{
    std::vector<WindowRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(toWindowRect(screen->availableGeometry()));
    return screens;
}

std::vector<ScreenInfo> screenInfos()
{
    std::vector<ScreenInfo> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back({screen->name(), toWindowRect(screen->geometry())});
    return screens;
}

}  // namespace

MainWindow::MainWindow(Show& show, brio::BRAppConfig& settings, const DisplayPictures& pictures)
    : m_show(show),
      m_settings(settings),
      m_view(show, settings, nullptr, pictures),
      m_commands(new CommandActions(
          *this, [this](Command command) { runCommand(command); },
          [this]() { return commandContext(); })),
      m_fullScreen(loadFullScreenFlag(settings))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(&m_view);
    setFocusProxy(&m_view);
    setWindowTitle(QString::fromUtf8(kProductName));
    // The icon is the application's, which main() sets once the first frame is on the screen.
    resize(kDefaultSize);
    // A window that starts full screen shows no menu bar: it is made when the window leaves
    // full-screen mode (the command keys work without it).
    if (!m_fullScreen)
        loadMenuBar();
    MeterSession& shown = session();
    connect(&shown, &MeterSession::notice, this, &MainWindow::showNotice);
    connect(&shown, &MeterSession::winnersChanged, this, &MainWindow::followWinners);
    connect(&shown, &MeterSession::roundsChanged, this, [this]() {
        followMenuRules();
        if (session().clapOffOffer())
            showNotice(tr("A tie in %1: Rounds > Clap-off... holds a clap-off or shares the place.")
                           .arg(brio::toQString(session().clapOffOffer()->round)));
    });
    connect(&m_show, &Show::eventChanged, this, &MainWindow::showStageSettings);
    connect(&m_view, &MeterView::contextMenuRequested, this, &MainWindow::showContextMenu);
    connect(&m_view, &MeterView::fullScreenToggleRequested, this, &MainWindow::toggleFullScreen);
    connect(&shown, &MeterSession::displayChanged, this, [this]() {
        // Hidden too, so that the frame it last asked for stays the one it shows when it
        // comes back.
        if (m_audience)
            m_audience->showChanges();
        showOperatorStrip();
        followMenuRules();
    });
    QUndoStack& corrections = shown.corrections();
    for (const auto changed : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(&corrections, changed, this, &MainWindow::followMenuRules);
    const auto showUndoTexts = [this]() {
        m_commands->showUndoTexts(session().corrections().undoText(),
                                  session().corrections().redoText());
    };
    connect(&corrections, &QUndoStack::undoTextChanged, this, showUndoTexts);
    connect(&corrections, &QUndoStack::redoTextChanged, this, showUndoTexts);
    followMenuRules();
    connect(qApp, &QGuiApplication::screenAdded, this, [this]() { placeAudienceWindow(true); });
    connect(qApp, &QGuiApplication::screenRemoved, this, [this]() {
        placeAudienceWindow(true);
        keepOnAScreen();
    });
    // The settings store tells of a failing write once, until a write succeeds again.
    m_settings.setWriteFailureHandler([this](const brio::BRString& path) {
        showNotice(tr("Settings are not being saved: %1 cannot be written.")
                       .arg(QDir::toNativeSeparators(brio::toQString(path))));
    });
    m_view.setFocus();
    m_commands->applyRules(commandContext());  // Esc belongs to the meter until winners show
}

MainWindow::~MainWindow()
{
    m_settings.setWriteFailureHandler({});
}

CommandContext MainWindow::commandContext() const
{
    const MeterSession& shown = session();
    return CommandContext{shown.meter(),
                          isAudienceScreenOpen(),
                          m_show.microphone().isInUse(),
                          shown.corrections().canUndo(),
                          shown.corrections().canRedo(),
                          shown.winnersShowing(),
                          shown.betweenTurns(),
                          shown.roundBook().rounds().size() > 1 &&
                              shown.entriesOf(shown.roundBook().currentId()).empty(),
                          shown.clapOffOffer().has_value(),
                          shown.hideScores(),
                          shown.canReveal(),
                          shown.revealUnderWay(),
                          !shown.openMarkings().empty(),
                          shown.jury().on(),
                          selectedMarking().has_value()};
}

void MainWindow::followMenuRules()
{
    // The correction keys (F2, Delete, F8, Ctrl+Z) act only through enabled actions, so their
    // states follow the meter, not only the opening of a menu.
    m_commands->applyRules(commandContext());
}

void MainWindow::runCommand(Command command, int roundId)
{
    MeterSession& shown = session();
    switch (command) {
    case Command::EditFont: m_view.editFont(); break;
    case Command::UseLeagueTable: shown.toggleLeagueTable(); break;
    case Command::ClearLeagueTable: shown.clearLeagueTable(); break;
    case Command::EditPreloadList: m_view.editPreloadList(); break;
    case Command::ShowSummaryScreen: shown.toggleSummaryScreen(); break;
    case Command::UseMicrophone: toggleMicrophone(); break;
    case Command::MicrophoneSettings: editMicrophone(); break;
    case Command::Duel: startDuel(); break;
    case Command::CloseMarking: closeLatestMarking(); break;
    case Command::Jury: editJury(); break;
    case Command::ReopenMarking:
        if (const std::optional<std::int64_t> order = selectedMarking())
            shown.openMarking(*order);
        break;
    case Command::TurnLength: m_view.editTurnLength(); break;
    case Command::BackgroundColor: m_view.chooseBackgroundColor(); break;
    case Command::AudienceScreen: toggleAudienceScreen(); break;
    case Command::ShowControl: editShowControl(); break;
    case Command::Osc: editOsc(); break;
    case Command::EventSettings: editEvent(); break;
    case Command::ShowWinners:
    case Command::EndWinners: toggleWinners(); break;
    case Command::HelpContents: showHelpContents(); break;
    case Command::About: showAbout(); break;
    case Command::ExportResults: exportResults(); break;
    case Command::PrintResults: printResults(); break;
    // Exactly as the close box: the window saves its placement on the way.
    case Command::Exit: close(); break;
    case Command::RenameContestant: shown.beginRename(); break;
    case Command::RemoveContestant: m_view.removeContestant(); break;
    case Command::MeasureAgain: shown.measureAgain(); break;
    case Command::TurnDetails: showTurnDetails(shown, this); break;
    case Command::EditUndo: shown.undo(); break;
    case Command::EditRedo: shown.redo(); break;
    case Command::NewRound: newRound(); break;
    case Command::RenameRound: renameRound(); break;
    case Command::RemoveRound: removeRound(); break;
    case Command::SwitchRound: switchRound(roundId); break;
    case Command::ClapOff: clapOff(); break;
    case Command::HideScores: shown.setHideScores(!shown.hideScores()); break;
    case Command::Reveal: shown.reveal(); break;
    case Command::EndReveal: shown.endReveal(); break;
    // Their keys are taken, so that they never reach the meter as typing, and do nothing.
    case Command::EditCopy:
    case Command::EditCut:
    case Command::EditPaste:
    case Command::NextPane:
    case Command::PreviousPane: break;
    case Command::SoundCues: editSoundCues(); break;
    }
}

void MainWindow::toggleMicrophone()
{
    m_show.microphone().setInUse(!m_show.microphone().isInUse());
}

void MainWindow::editShowControl()
{
    ShowControlDialog dialog(m_show.showControl().current(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_show.showControl().apply(dialog.settings());
}

void MainWindow::editOsc()
{
    OscDialog dialog(loadOscSettings(m_settings), m_show, this);
    if (dialog.exec() == QDialog::Accepted)
        m_show.applyOsc(dialog.settings());
}

void MainWindow::editSoundCues()
{
    SoundCuesDialog dialog(loadCueSettings(m_settings), m_show, this);
    // What was tried stops; the stored settings play from now on.
    if (dialog.exec() == QDialog::Accepted)
        m_show.applyCues(dialog.settings());
    else
        m_show.cues().followSettings();
}

void MainWindow::editMicrophone()
{
    MicrophoneSource& microphone = m_show.microphone();
    MicrophoneInput* input = microphone.listen();
    if (input == nullptr)
        return;  // the source has told why
    MicrophoneDialog dialog(*input, loadMicrophoneConfig(m_settings), loadTurnSeconds(m_settings),
                            microphone.audioFile(), this, &microphone);
    connect(&dialog, &MicrophoneDialog::floorMeasured, this,
            [this](double floor) { m_show.applyMicrophoneFloor(floor); });
    if (dialog.exec() == QDialog::Accepted)
        m_show.applyMicrophoneChoice(dialog.choice());
    microphone.reload();
    if (dialog.duelWanted())
        startDuel();
}

void MainWindow::editJury()
{
    MeterSession& shown = session();
    const ShowControlSettings control = m_show.showControl().current();
    const JudgeLinkBase links{control.on,
                              control.address == QLatin1String(kLocalNetworkAddress)
                                  ? localNetworkHost()
                                  : QString::fromLatin1(kThisComputerAddress),
                              control.port};
    JuryDialog dialog(shown.jury().rules(), shown.jury().judges(), links, this);
    connect(&dialog, &JuryDialog::revokeWanted, this, [this, &dialog](const QString& judge) {
        session().revokeJudge(judge);
        dialog.showJudges(session().jury().judges());
    });
    connect(&dialog, &JuryDialog::reissueWanted, this, [this, &dialog](const QString& judge) {
        session().reissueJudge(judge);
        dialog.showJudges(session().jury().judges());
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!dialog.juryOn()) {
        if (shown.jury().on())
            shown.switchJuryOff();
        return;
    }
    const auto result = shown.setUpJury(dialog.rules());
    if (const auto* check = std::get_if<jury::RulesCheck>(&result))
        showWarningMessage(jury::reasonText(dialog.rules(), *check).toHtmlEscaped(), this);
}

std::optional<std::int64_t> MainWindow::selectedMarking() const
{
    const MeterCore& meter = session().meter();
    const int row = meter.correctionRow();
    if (!meter.leagueTable().contains(row))
        return std::nullopt;
    const std::int64_t order = meter.leagueTable().entry(row).order;
    const auto& markings = session().jury().markings();
    const auto found = markings.find(order);
    if (found == markings.end() || found->second.open)
        return std::nullopt;
    return order;
}

void MainWindow::closeLatestMarking()
{
    const std::vector<MeterSession::OpenMarking> open = session().openMarkings();
    if (open.empty())
        return;
    const MeterSession::OpenMarking& latest = open.front();
    if (latest.noMarksYet()) {
        const int answer = askQuestion(
            this,
            QuestionText{QStringLiteral("closeUnmarkedQuestion"), QMessageBox::Question,
                         tr("Close Marking"),
                         tr("No judge has marked %1: her jury mark will be 0.").arg(latest.name),
                         tr("Close her marking all the same?")},
            {{tr("Close Marking"), QMessageBox::AcceptRole}, {tr("Wait"), QMessageBox::RejectRole}},
            1, 1);
        if (answer != 0)
            return;
    }
    session().closeMarking(latest.order);
}

void MainWindow::startDuel()
{
    DuelDialog dialog(m_show.microphone().places(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString refused =
        m_show.session().startDuel(dialog.names(), dialog.leftPlaces(), dialog.rightPlaces());
    if (!refused.isEmpty())
        showNotice(refused);
}

bool MainWindow::isAudienceScreenOpen() const
{
    return m_audience && m_audience->isVisible();
}

void MainWindow::toggleAudienceScreen()
{
    const bool open = !isAudienceScreenOpen();
    writeSetting(m_settings, kShowAudienceScreenKey, open ? 1 : 0);
    if (open)
        openAudienceScreen();
    else
        closeAudienceScreen();
}

void MainWindow::openAudienceScreen()
{
    if (!m_audience) {
        m_audience = std::make_unique<AudienceWindow>(m_show, m_view.style());
        connect(m_audience.get(), &AudienceWindow::closeRequested, this,
                [this]() {
                    if (isAudienceScreenOpen())
                        runCommand(Command::AudienceScreen);
                });
        connect(m_audience.get(), &AudienceWindow::keyForOperator, this,
                [this](const QKeyEvent& event) {
                    activateWindow();
                    m_view.setFocus();
                    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.text(),
                                   event.isAutoRepeat(), event.count());
                    QCoreApplication::sendEvent(&m_view, &copy);
                });
        connect(m_audience.get(), &AudienceWindow::endWinnersRequested, this,
                [this]() { runCommand(Command::EndWinners); });
        connect(m_audience.get(), &AudienceWindow::endRevealRequested, this,
                [this]() { runCommand(Command::EndReveal); });
        showStageSettings();
        m_audience->setWinnersShowing(session().winnersShowing());
    }
    placeAudienceWindow(false);
}

void MainWindow::closeAudienceScreen()
{
    if (m_audience)
        m_audience->hide();
    hideFootUnlessNeeded();
    activateWindow();
    m_view.setFocus();
}

void MainWindow::placeAudienceWindow(bool screensChanged)
{
    if (!m_audience || (screensChanged && !m_audience->isVisible()))
        return;
    const std::vector<ScreenInfo> screens = screenInfos();
    const QString stored = brio::toQString(m_settings.getRegistryString(
        kSettingsSection, kAudienceScreenKey, brio::BRString(), kSettingsHive));
    const AudiencePlacement placement =
        chooseAudienceScreen(screens, toWindowRect(frameGeometry()), stored);
    const bool fullScreen = placement.kind == AudiencePlacement::Kind::FullScreen;
    // A projector pulled out leaves only the operator's screen: the audience window goes.
    if (placement.screen < 0 || (screensChanged && !fullScreen)) {
        closeAudienceScreen();
        if (screensChanged)
            showNotice(tr("The audience screen was disconnected; its window is closed until "
                          "View > Audience Screen opens it again."));
        return;
    }
    m_audience->showOn(QGuiApplication::screens().at(placement.screen), fullScreen);
    showOperatorStrip();
    foot().show();
    // The operator keeps the keyboard: the meter listens only while this window has it.
    activateWindow();
    m_view.setFocus();
}

void MainWindow::keepOnAScreen()
{
    const std::vector<WindowRect> screens = availableScreens();
    if (screens.empty() || isReachable(toWindowRect(frameGeometry()), screens))
        return;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    move(area.topLeft());
}

void MainWindow::showNotice(const QString& text)
{
    qCInfo(lcNotices).noquote() << text;
    foot().show();
    foot().showMessage(text, kNoticeMilliseconds);
}

QStatusBar& MainWindow::foot()
{
    // Made the first time something is shown there: a window that starts with nothing at its
    // foot lays out and draws none.
    if (m_strip == nullptr) {
        m_strip = new OperatorStrip(this);
        statusBar()->addWidget(m_strip, 1);
        statusBar()->setSizeGripEnabled(false);
        connect(statusBar(), &QStatusBar::messageChanged, this, &MainWindow::hideFootUnlessNeeded);
    }
    return *statusBar();
}

void MainWindow::hideFootUnlessNeeded()
{
    if (m_strip != nullptr && !isAudienceScreenOpen() && session().openMarkings().empty() &&
        statusBar()->currentMessage().isEmpty())
        statusBar()->hide();
}

bool MainWindow::exportResultsTo(const QString& path)
{
    const ExportResult result =
        ::exportResults(resultsOf(session(), m_show.eventStarted()), path);
    if (!result.succeeded)
        showWarningMessage(result.error.toHtmlEscaped(), this);
    return result.succeeded;
}

bool MainWindow::exportResults()
{
    const QString path = m_resultsDialogs.chooseExportFile(this);
    return !path.isEmpty() && exportResultsTo(path);
}

void MainWindow::printResults()
{
    // The printer's code is loaded the first time something is printed.
    QString error;
    const auto print = moduleEntryOf<PrintPagesEntry>(moduleFilePath(kPrintModuleFile),
                                                      kPrintPagesSymbol, error);
    if (print == nullptr) {
        showWarningMessage(tr("The results cannot be printed: %1").arg(error), this);
        return;
    }
    const PrintOutcome printed =
        print(this, m_resultsDialogs.setUpPrinter, [this](QPagedPaintDevice& printer) {
            return ResultsSheet::printAll(
                ResultsSheet::sheetsOf(resultsOf(session(), m_show.eventStarted())), printer);
        });
    if (printed == PrintOutcome::Failed)
        showWarningMessage(tr("The results could not be printed."), this);
}

void MainWindow::showOperatorStrip()
{
    // Also without the audience's screen while the jury marks, so that the operator sees who
    // has marked before closing.
    const std::vector<MeterSession::OpenMarking> marking = session().openMarkings();
    if (!isAudienceScreenOpen() && marking.empty()) {
        hideFootUnlessNeeded();
        return;
    }
    QStatusBar& shown = foot();
    m_strip->showMeter(session().meter(), session().winnersShowing(), marking);
    shown.show();
}

void MainWindow::showStageSettings()
{
    if (!m_audience)
        return;
    const QString logo = m_show.eventLogoPath();
    const QString problem = m_audience->setStage(loadStageSettings(m_settings), logo);
    if (!problem.isEmpty())
        showNotice(tr("The event's logo is not shown: %1 (%2).")
                       .arg(QDir::toNativeSeparators(logo), problem));
}

bool MainWindow::setEvent(const QString& title, const QString& logo)
{
    const QString problem = m_show.setEvent(title, logo);
    if (!problem.isEmpty())
        showWarningMessage(problem.toHtmlEscaped(), this);
    return problem.isEmpty();
}

void MainWindow::editEvent()
{
    EventDialog dialog(m_show.eventTitle(), m_show.eventLogoPath(), this);
    if (dialog.exec() == QDialog::Accepted)
        setEvent(dialog.title(), dialog.logo());
    m_view.setFocus();
}

void MainWindow::toggleWinners()
{
    session().setWinnersShowing(!session().winnersShowing());
}

void MainWindow::followWinners(bool showing)
{
    m_commands->applyRules(commandContext());
    if (m_audience)
        m_audience->setWinnersShowing(showing);
    showOperatorStrip();
    if (showing && !isAudienceScreenOpen())
        showNotice(tr("The winners are showing on the audience screen, which is closed: View > "
                      "Audience Screen opens it."));
}

void MainWindow::loadMenuBar()
{
    // A fresh menu bar every time the window comes back from full-screen mode.
    auto* bar = new QMenuBar(this);
    m_commands->fillMenuBar(*bar);
    // The Rounds menu lists the rounds to switch between, as they are when it opens.
    if (QAction* newRound = m_commands->action(Command::NewRound)) {
        for (QAction* popup : bar->actions()) {
            QMenu* menu = popup->menu();
            if (!menu || !menu->actions().contains(newRound))
                continue;
            const int fixedItems = static_cast<int>(menu->actions().size());
            connect(menu, &QMenu::aboutToShow, menu, [this, menu, fixedItems]() {
                while (menu->actions().size() > fixedItems) {
                    QAction* extra = menu->actions().last();
                    menu->removeAction(extra);
                    extra->deleteLater();
                }
                menu->addSeparator();
                addRoundItems(session(), *menu,
                              [this](int roundId) { runCommand(Command::SwitchRound, roundId); });
            });
        }
    }
    setMenuBar(bar);
}

void MainWindow::tellProblem(const QString& problem)
{
    if (!problem.isEmpty())
        showNotice(problem);
}

void MainWindow::removeRound()
{
    tellProblem(session().removeRound(session().roundBook().currentId()));
}

void MainWindow::switchRound(int roundId)
{
    tellProblem(session().switchRound(roundId));
}

void MainWindow::newRound()
{
    NewRoundDialog dialog(m_show, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.clapOff())
        tellProblem(session().startClapOff(*dialog.clapOff()));
    else
        tellProblem(session().addRound(dialog.name(), dialog.runningOrder()));
}

void MainWindow::renameRound()
{
    RenameRoundDialog dialog(m_show, this);
    if (dialog.exec() == QDialog::Accepted)
        tellProblem(session().renameRound(session().roundBook().currentId(), dialog.name()));
}

void MainWindow::clapOff()
{
    const std::optional<rounds::Tie> offer = session().clapOffOffer();
    if (!offer)
        return;
    switch (askClapOff(*offer, this)) {
    case ClapOffAnswer::Hold: tellProblem(session().startClapOff(*offer)); break;
    case ClapOffAnswer::Share: session().sharePlace(); break;
    case ClapOffAnswer::Cancel: break;
    }
}

void MainWindow::showContextMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    m_commands->fillContextMenu(menu);
    addRoundItems(session(), *menu.addMenu(tr("Rounds")),
                  [this](int roundId) { runCommand(Command::SwitchRound, roundId); });
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
    if (!plan.fullScreen && !menuWidget())
        loadMenuBar();
    if (plan.fullScreen)
        enterFullScreenLook();
    else if (plan.showState == kShowMaximised)
        showMaximized();
    else
        showNormal();
    m_view.setPointerHidden(m_fullScreen);
    if (readSetting(m_settings, kShowAudienceScreenKey, 0) != 0)
        openAudienceScreen();
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
    showHelpPage(kHelpPage, helpFoldersOf(m_settings), m_helpActions, QLocale().uiLanguages());
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

bool MainWindow::mayClose()
{
    if (m_show.resultsSaved())
        return true;
    switch (askAboutUnsavedResults(this)) {
    case UnsavedResultsAnswer::Export:
        // The export writes the table held in memory, which the refusing disk does not touch.
        return exportResults();
    case UnsavedResultsAnswer::CloseWithoutSaving:
        return true;
    case UnsavedResultsAnswer::Cancel:
        break;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Asked first, so that a cancelled close leaves everything as it was.
    if (!mayClose()) {
        event->ignore();
        return;
    }
    savePlacement();
    // The audience screen goes with the program; whether it was open stays stored.
    if (m_audience)
        m_audience->hide();
    emit closing();
    event->accept();
}
