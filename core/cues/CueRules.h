// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cues/Cue.h"

#include <vector>

class MeterCore;

// The show at one moment, as far as the cues care.
struct CueFacts {
    bool turnRuns = false;  // a named contestant's turn measures
    // The microphone is the meter's input while the meter measures: the hall's loudspeakers
    // would be measured with the applause.
    bool microphoneMeasures = false;
    bool leads = false;         // the contestant measured stands first, as the Stage marks it
    bool scoresHidden = false;  // the audience does not see the scores until a reveal

    friend bool operator==(const CueFacts&, const CueFacts&) = default;
};

CueFacts cueFactsOf(const MeterCore& meter, bool microphoneInUse, bool scoresHidden);

// What happened besides the facts changing.
enum class CueMoment {
    Changed,         // only the facts may have changed
    TimeUp,          // an equal turn's window ran out, which ended the turn
    RevealStep,      // one more score revealed
    WinnerRevealed,  // the last, the winner's
};

// What the player is to do after a step.
struct CueOrders {
    bool cut = false;            // silence whatever sounds, at once, and drop what waits to play
    bool drumRoll = false;       // the drum roll sounds from now on (or goes on); false stops it
    std::vector<Cue> play;       // one-shot cues, in this order, each after the one before

    friend bool operator==(const CueOrders&, const CueOrders&) = default;
};

// When each cue sounds. While the microphone measures a turn no cue plays: one still sounding
// is cut as such a turn starts, the drum roll is silent, and the cues that come up wait (each
// once) until the turn is over. The drum roll sounds while a turn measures otherwise; the
// fanfare when the measured contestant takes first place (not while the scores are hidden:
// then at the winner's reveal); the buzzer when an equal turn runs out; a sting for every
// other step of a reveal.
class CueRules {
public:
    // Starts from the show as it is: nothing plays for what is already so.
    explicit CueRules(const CueFacts& now) : m_before(now) {}

    CueOrders step(const CueFacts& now, CueMoment moment = CueMoment::Changed);
    // Whether a cue may sound now (the dialog's "Try" too).
    bool maySound() const { return !m_before.microphoneMeasures; }
    const std::vector<Cue>& waiting() const { return m_waiting; }

private:
    CueFacts m_before;
    std::vector<Cue> m_waiting;
};
