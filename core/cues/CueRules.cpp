// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cues/CueRules.h"

#include "core/MeterCore.h"
#include "core/StageFrame.h"

#include <algorithm>
#include <utility>

namespace {

// A cue that already waits is not queued twice: one fanfare is enough for a turn.
void addOnce(std::vector<Cue>& cues, Cue cue)
{
    if (std::find(cues.begin(), cues.end(), cue) == cues.end())
        cues.push_back(cue);
}

}  // namespace

CueFacts cueFactsOf(const MeterCore& meter, bool microphoneInUse, bool scoresHidden)
{
    CueFacts facts;
    const bool measuring = meter.state() == MeterState::Measuring;
    facts.turnRuns = measuring && meter.useLeagueTable() &&
                     meter.leagueTable().contains(meter.currentIndex());
    facts.microphoneMeasures = measuring && microphoneInUse;
    facts.leads = currentLeads(meter);
    facts.scoresHidden = scoresHidden;
    return facts;
}

CueOrders CueRules::step(const CueFacts& now, CueMoment moment)
{
    std::vector<Cue> arising;
    if (now.leads && !m_before.leads && !now.scoresHidden)
        arising.push_back(Cue::Fanfare);
    switch (moment) {
    case CueMoment::Changed: break;
    case CueMoment::TimeUp: arising.push_back(Cue::Buzzer); break;
    case CueMoment::RevealStep: arising.push_back(Cue::Sting); break;
    case CueMoment::WinnerRevealed: addOnce(arising, Cue::Fanfare); break;
    }

    CueOrders orders;
    orders.cut = now.microphoneMeasures && !m_before.microphoneMeasures;
    orders.drumRoll = now.turnRuns && !now.microphoneMeasures;
    for (const Cue cue : arising)
        addOnce(m_waiting, cue);
    if (!now.microphoneMeasures)
        orders.play = std::exchange(m_waiting, {});
    m_before = now;
    return orders;
}
