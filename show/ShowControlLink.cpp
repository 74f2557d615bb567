// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/ShowControlLink.h"

#include "brio/BRStringQt.h"
#include "core/settings/StageSettings.h"
#include "show/MeterSession.h"
#include "show/MicrophoneSource.h"
#include "show/ModuleFile.h"
#include "show/RemoteJury.h"

ShowControlLink::ShowControlLink(brio::BRAppConfig& settings, MeterSession& session)
    : m_settings(settings), m_session(session)
{
    const auto tell = [this]() {
        if (m_server)
            m_server->stateMayHaveChanged();
    };
    connect(&m_session, &MeterSession::displayChanged, this, tell);
    connect(&m_session, &MeterSession::winnersChanged, this, tell);
}

ShowControlLink::~ShowControlLink()
{
    stop();
}

void ShowControlLink::followSettings()
{
    stop();
    const ShowControlSettings stored = loadShowControlSettings(m_settings);
    if (stored.on)
        start(withToken(m_settings, stored));
}

void ShowControlLink::startForThisRun(int port)
{
    stop();
    ShowControlSettings settings = withToken(m_settings, loadShowControlSettings(m_settings));
    settings.address = QString::fromLatin1(kThisComputerAddress);
    settings.port = port;
    settings.on = true;
    m_thisRun = settings;
    start(settings);
}

ShowControlSettings ShowControlLink::current() const
{
    return m_thisRun ? *m_thisRun : loadShowControlSettings(m_settings);
}

void ShowControlLink::apply(const ShowControlSettings& chosen)
{
    if (!m_thisRun) {
        storeShowControlSettings(m_settings, chosen);
        followSettings();
        return;
    }
    ShowControlSettings stored = loadShowControlSettings(m_settings);
    stored.token = chosen.token;
    storeShowControlSettings(m_settings, stored);
    stop();
    m_thisRun = chosen;
    if (chosen.on)
        start(withToken(m_settings, chosen));
}

void ShowControlLink::start(const ShowControlSettings& settings)
{
    QString error;
    const auto make = moduleEntryOf<MakeShowControl>(moduleFilePath(kShowControlModuleFile),
                                                     kMakeShowControlSymbol, error);
    if (make == nullptr) {
        emit m_session.notice(tr("Show control is off: its module cannot be loaded (%1).").arg(error));
        return;
    }
    // Read when a server first needs it, not at every start of the program.
    if (!m_title)
        m_title = brio::toQString(loadStageSettings(m_settings).eventTitle);
    ShowControlEvents events;
    events.commandArrived = [this](const RemoteCommand& command) {
        m_session.carryOut(command, SpaceSource::Remote);
    };
    events.judges = [this]() { return judgeTokensOf(m_session); };
    events.juryAsked = [this](const JuryRequest& request) {
        JuryAnswer answer = answerJury(m_session, request);
        // Taken but not yet in the file: the page keeps the mark and sends it again, when its
        // id makes it count once.
        if (answer.status == 200 && m_juryKept && !m_juryKept())
            return JuryAnswer{503, QStringLiteral("the results cannot be saved now; try again"), {}};
        return answer;
    };
    std::unique_ptr<ShowControlService> server(make(
        settings.token,
        [this]() {
            ShowState state = showStateOf(m_session.meter(), *m_title, m_session.winnersShowing(),
                                          m_session.hiddenNames());
            addRounds(state, m_session);
            if (m_microphones && m_microphones->isInUse()) {
                for (const MicrophoneLevel& microphone : m_microphones->microphoneLevels())
                    state.microphones.push_back(
                        {microphone.place, microphone.level, microphone.live});
            }
            if (const std::optional<Duel>& duel = m_session.duel()) {
                const auto side = [](const DuelSide& shown) {
                    return ShowDuelSide{shown.name, shown.level, shown.score};
                };
                state.duel = ShowDuel{side(duel->sides[0]), side(duel->sides[1]), duelWinner(*duel)};
            }
            addJury(state, m_session);
            return state;
        },
        std::move(events)));
    if (!server->listen(settings.address, static_cast<quint16>(settings.port))) {
        emit m_session.notice(tr("Show control is off: port %1 cannot be opened (%2).")
                                  .arg(settings.port)
                                  .arg(server->errorString()));
        return;
    }
    m_server = std::move(server);
}

void ShowControlLink::stop()
{
    if (!m_server)
        return;
    m_server.reset();
    m_session.releaseAll(SpaceSource::Remote);
}

void ShowControlLink::setEventTitle(const QString& title)
{
    m_title = title;
    if (m_server)
        m_server->stateMayHaveChanged();
}

QString localNetworkHost()
{
    QString error;
    const auto host = moduleEntryOf<LocalNetworkHost>(moduleFilePath(kShowControlModuleFile),
                                                      kLocalNetworkHostSymbol, error);
    return host != nullptr ? host() : QString::fromLatin1(kThisComputerAddress);
}
