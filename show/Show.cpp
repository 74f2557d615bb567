// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/Show.h"

#include "brio/BRStringQt.h"
#include "core/settings/CueSettings.h"
#include "core/settings/OscSettings.h"
#include "core/settings/StageSettings.h"
#include "show/EventLogoFile.h"
#include "store/StoreMessages.h"

Show::Show(brio::BRAppConfig& settings, const QString& databasePath, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_recorder(databasePath),
      m_journal(m_recorder),
      m_session(settings),
      m_microphone(settings, m_session),
      m_showControl(settings, m_session),
      m_osc(settings, m_session),
      m_cues(settings, m_session, m_microphone)
{
    m_showControl.setMicrophones(&m_microphone);
    // The failure is told once, whenever it comes; the show goes on without saving.
    connect(&m_recorder, &EventRecorder::savingFailed, &m_session, &MeterSession::notice);
    // What waited in memory is on disk when saving works again.
    connect(&m_recorder, &EventRecorder::savingResumed, &m_session,
            [this]() { emit m_session.notice(StoreMessages::savingAgain()); });
    // A judge's page hears that her mark counts only once it is in the file.
    m_showControl.keepJuryWith([this]() { return m_recorder.flush(); });
}

void Show::followSettings()
{
    m_showControl.followSettings();
    m_osc.followSettings();
    m_cues.followSettings();
}

Show::~Show()
{
    m_session.meter().setJournal(nullptr);
}

QString Show::eventTitle() const
{
    return brio::toQString(loadStageSettings(m_settings).eventTitle);
}

QString Show::eventLogoPath() const
{
    const brio::BRString stored = loadStageSettings(m_settings).eventLogo;
    return stored.empty() ? QString() : ::eventLogoPath(brio::toQString(stored));
}

QString Show::setEvent(const QString& title, const QString& logo)
{
    QString name;
    if (!logo.isEmpty()) {
        QString problem;
        name = copyEventLogo(logo, problem);
        if (name.isEmpty())
            return problem;
    }
    storeEvent(m_settings, brio::fromQString(title), brio::fromQString(name));
    m_showControl.setEventTitle(title);
    emit eventChanged();
    return {};
}

void Show::applyOsc(const OscSettings& chosen)
{
    storeOscSettings(m_settings, chosen);
    m_osc.followSettings();
}

void Show::applyCues(const CueSettings& chosen)
{
    storeCueSettings(m_settings, chosen);
    m_cues.followSettings();
}

void Show::applyMicrophoneFloor(double floorLufs)
{
    storeMicrophoneFloor(m_settings, floorLufs);
}

void Show::applyMicrophoneChoice(const MicrophoneChoice& chosen)
{
    storeMicrophoneChoice(m_settings, chosen);
}

StoreStatus Show::openResults()
{
    return m_recorder.open();
}

std::optional<StoredEvent> Show::eventToResume()
{
    std::optional<StoredEvent> last = m_recorder.latestEvent();
    if (last && needsResumeOffer(*last))
        return last;
    return std::nullopt;
}

void Show::resumeEvent(const StoredEvent& event)
{
    m_journal.resume(m_session, event);
    m_started = event.started;
    m_journal.attach(m_session);
}

void Show::beginEvent()
{
    m_started = QDateTime::currentDateTime();
    m_recorder.beginEvent(m_started);
    m_journal.attach(m_session);
}

bool Show::resultsSaved()
{
    return m_recorder.flush();
}

void Show::end()
{
    m_journal.end(m_session);
}
