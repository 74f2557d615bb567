// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/CueDirector.h"
#include "show/EventJournal.h"
#include "show/MeterSession.h"
#include "show/MicrophoneSource.h"
#include "show/OscBridge.h"
#include "show/ShowControlLink.h"
#include "store/EventRecorder.h"
#include "store/StoreStatus.h"
#include "store/StoredEvent.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

namespace brio {
class BRAppConfig;
}

// The running show, one for the program: the application makes it, outside every window.
// It owns the session, what drives it besides the keys (the microphone, show control, OSC),
// the sound cues, the event (its title, logo and start) and the results journal. Windows get
// it by reference: they show it and hand it the operator's intents.
class Show : public QObject {
    Q_OBJECT
public:
    // The store must outlive the show; results are recorded into the file at databasePath.
    Show(brio::BRAppConfig& settings, const QString& databasePath, QObject* parent = nullptr);
    ~Show() override;

    // Show control, OSC and the sound cues follow the stored settings. Their problems are
    // the session's notices, so whoever shows notices listens before this is called.
    void followSettings();

    MeterSession& session() { return m_session; }
    const MeterSession& session() const { return m_session; }
    MicrophoneSource& microphone() { return m_microphone; }
    const MicrophoneSource& microphone() const { return m_microphone; }
    ShowControlLink& showControl() { return m_showControl; }
    OscBridge& osc() { return m_osc; }
    const OscBridge& osc() const { return m_osc; }
    CueDirector& cues() { return m_cues; }
    EventRecorder& recorder() { return m_recorder; }

    // The event: its title and the stored copy of its logo (empty for none), for the Stage.
    QString eventTitle() const;
    QString eventLogoPath() const;
    // When the event began (or, resumed, first began), for the results sheet.
    const QDateTime& eventStarted() const { return m_started; }
    // Stores the event's title and a copy of its logo (none for an empty path; the stored
    // copy stays as it is). Answers why the picture could not be copied, with nothing
    // changed, or nothing.
    QString setEvent(const QString& title, const QString& logo);

    // The OSC and Sound Cues dialogs' choices: stored, and followed from now on.
    void applyOsc(const OscSettings& chosen);
    void applyCues(const CueSettings& chosen);
    // The Microphone dialog's: the floor as soon as it is measured, the rest on OK. The
    // microphone follows once the dialog is closed (MicrophoneSource::reload).
    void applyMicrophoneFloor(double floorLufs);
    void applyMicrophoneChoice(const MicrophoneChoice& chosen);

    // Opens the results file (made on a first start). It may run on another thread while the
    // windows are made, and must be done before the event loop runs.
    StoreStatus openResults();
    // The last event when it was cut off with results in it: the one to offer for resuming.
    std::optional<StoredEvent> eventToResume();
    // Brings that event back, or begins a new one; then records every change until end().
    void resumeEvent(const StoredEvent& event);
    void beginEvent();
    // Whether every result is on disk, after one more attempt to write what waits.
    bool resultsSaved();
    // The operator closes the program: nothing more is recorded, and the event needs no
    // resume offer next time.
    void end();

signals:
    // The event's title or logo changed.
    void eventChanged();

private:
    brio::BRAppConfig& m_settings;
    EventRecorder m_recorder;
    EventJournal m_journal;
    MeterSession m_session;  // before everything that drives it
    MicrophoneSource m_microphone;
    ShowControlLink m_showControl;
    OscBridge m_osc;
    CueDirector m_cues;
    QDateTime m_started = QDateTime::currentDateTime();
};
