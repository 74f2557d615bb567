// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/CueDirector.h"

#include "show/CuePlayerModule.h"
#include "show/MeterSession.h"
#include "show/MicrophoneInput.h"
#include "show/MicrophoneSource.h"

namespace {

audio::CueSound soundOf(Cue cue)
{
    return static_cast<audio::CueSound>(cueIndex(cue));
}

}  // namespace

CueDirector::CueDirector(brio::BRAppConfig& settings, MeterSession& session,
                         const MicrophoneSource& microphone, QObject* parent)
    : QObject(parent), m_settings(settings), m_session(session), m_microphone(microphone)
{
    connect(&m_session, &MeterSession::displayChanged, this, [this]() { follow(); });
    connect(&m_session, &MeterSession::equalTurnRanOut, this,
            [this]() { follow(CueMoment::TimeUp); });
    connect(&m_microphone, &MicrophoneSource::inUseChanged, this, [this]() { follow(); });
    connect(&m_session, &MeterSession::revealed, this,
            [this](int, bool winner) { revealStep(winner); });
}

CueDirector::~CueDirector() = default;

audio::CuePlayer* CueDirector::player()
{
    if (!m_player && !m_moduleFailed) {
        audio::CueEvents events;
        events.failed = [this](const QString& message) { emit m_session.notice(message); };
        QString error;
        m_player = loadCuePlayer(soundModulePath(), std::move(events), error);
        if (!m_player) {
            m_moduleFailed = true;
            emit m_session.notice(error);
        }
    }
    return m_player.get();
}

void CueDirector::followSettings()
{
    const CueSettings stored = loadCueSettings(m_settings);
    if (!stored.on) {
        m_rules.reset();
        if (m_player)
            m_player->stopAll();
        return;
    }
    if (player() == nullptr) {
        m_rules.reset();
        return;
    }
    m_player->stopAll();
    m_player->setOutput(stored.deviceId, stored.volume);
    takeSounds(stored, true);
    m_rules.emplace(factsNow());
    follow();
}

void CueDirector::takeSounds(const CueSettings& settings, bool tellProblems)
{
    for (const Cue cue : kAllCues) {
        const QString problem = m_player->setSound(soundOf(cue), settings.fileOf(cue));
        // Told once, not again each time the settings are followed.
        QString& told = m_toldProblems[static_cast<std::size_t>(cueIndex(cue))];
        if (tellProblems && !problem.isEmpty() && problem != told)
            emit m_session.notice(tr("%1 The project's own cue plays instead.").arg(problem));
        if (tellProblems)
            told = problem;
    }
}

QString CueDirector::tryCue(Cue cue, const CueSettings& trial)
{
    const CueFacts now = factsNow();
    if (now.microphoneMeasures)
        return tr("The microphone is measuring a turn: cues wait until it ends.");
    if (player() == nullptr)
        return tr("The sound cues' module cannot be loaded.");
    m_player->stopAll();
    m_player->setOutput(trial.deviceId, trial.volume);
    const QString problem = m_player->setSound(soundOf(cue), trial.fileOf(cue));
    m_player->play(soundOf(cue));
    return problem;
}

CueFacts CueDirector::factsNow() const
{
    return cueFactsOf(m_session.meter(), m_microphone.isInUse(), m_session.hideScores());
}

void CueDirector::revealStep(bool winner)
{
    follow(winner ? CueMoment::WinnerRevealed : CueMoment::RevealStep);
}

void CueDirector::follow(CueMoment moment)
{
    if (!m_rules || !m_player)
        return;
    carryOut(m_rules->step(
        factsNow(), moment));
}

void CueDirector::carryOut(const CueOrders& orders)
{
    if (orders.cut)
        m_player->stopAll();
    if (orders.drumRoll)
        m_player->startRoll();
    else
        m_player->stopRoll();
    for (const Cue cue : orders.play)
        m_player->play(soundOf(cue));
}
