// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/CuePlayer.h"
#include "core/cues/CueRules.h"
#include "core/settings/CueSettings.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace brio {
class BRAppConfig;
}
class MeterSession;
class MicrophoneSource;

// The show's sound cues: hears the session and the microphone's use, asks the rules
// (core/cues/CueRules.h) what to play and tells the player, which comes from the sound module
// the first time a cue is wanted (a show without cues loads nothing). Its notices go to the
// session's.
class CueDirector : public QObject {
    Q_OBJECT
public:
    // The store, the session and the microphone must outlive the director.
    CueDirector(brio::BRAppConfig& settings, MeterSession& session,
                const MicrophoneSource& microphone, QObject* parent = nullptr);
    ~CueDirector() override;

    // Follows the stored settings: cues on (the player loaded, the output, the volume and the
    // operator's files taken) or off (silence).
    void followSettings();
    bool isOn() const { return m_rules.has_value(); }

    // For the Sound Cues dialog. The player, loaded now if it is not yet; none (and a notice)
    // when the module cannot be loaded.
    audio::CuePlayer* player();
    // Plays one cue at once as the trial settings would; answers why it cannot (the
    // microphone measures a turn, a file the player cannot take), or nothing.
    QString tryCue(Cue cue, const CueSettings& trial);

private:
    // One step of a reveal: a sting, or for the winner's the fanfare.
    void revealStep(bool winner);
    CueFacts factsNow() const;
    void follow(CueMoment moment = CueMoment::Changed);
    void carryOut(const CueOrders& orders);
    // The operator's files for the cues, each that cannot be read a notice.
    void takeSounds(const CueSettings& settings, bool tellProblems);

    brio::BRAppConfig& m_settings;
    MeterSession& m_session;
    const MicrophoneSource& m_microphone;
    std::unique_ptr<audio::CuePlayer> m_player;
    bool m_moduleFailed = false;  // told once; the module is not tried again
    std::optional<CueRules> m_rules;  // while cues are on
    std::array<QString, kAllCues.size()> m_toldProblems;  // by cue, the file's problem told last
};
