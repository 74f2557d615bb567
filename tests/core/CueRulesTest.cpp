// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterCore.h"
#include "core/cues/CueRules.h"
#include "core/settings/CueSettings.h"
#include "support/RecordingConfig.h"
#include "support/SettingsFileAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ovatron::test::RecordingConfig;
using ovatron::test::writeSettingsFile;

namespace {

// The moments of a show, as the cues see them.
constexpr CueFacts kRest{};
constexpr CueFacts kKeys{.turnRuns = true};
constexpr CueFacts kKeysLead{.turnRuns = true, .leads = true};
constexpr CueFacts kMic{.turnRuns = true, .microphoneMeasures = true};
constexpr CueFacts kMicLead{.turnRuns = true, .microphoneMeasures = true, .leads = true};
constexpr CueFacts kKeysLeadHidden{.turnRuns = true, .leads = true, .scoresHidden = true};
constexpr CueFacts kRestHidden{.scoresHidden = true};

const CueOrders kSilent{};
const CueOrders kRoll{.drumRoll = true};

CueOrders playing(std::vector<Cue> cues, bool roll = false)
{
    return CueOrders{.cut = false, .drumRoll = roll, .play = std::move(cues)};
}

struct Step {
    CueFacts facts;
    CueMoment moment;
    CueOrders expected;
};

struct Scenario {
    std::string name;
    CueFacts start;
    std::vector<Step> steps;
};

}  // namespace

TEST(CueRules, EachStepOfAShowGivesThePlayerItsOrders)
{
    const CueMoment changed = CueMoment::Changed;
    const std::vector<Scenario> scenarios{
        {"a keyboard turn rolls, takes the lead with a fanfare once, and runs out with a buzzer",
         kRest,
         {{kKeys, changed, kRoll},
          {kKeysLead, changed, playing({Cue::Fanfare}, true)},
          {kKeysLead, changed, kRoll},
          {kRest, CueMoment::TimeUp, playing({Cue::Buzzer})},
          {kRest, changed, kSilent}}},
        {"losing the lead and taking it again is a new fanfare",
         kRest,
         {{kKeysLead, changed, playing({Cue::Fanfare}, true)},
          {kKeys, changed, kRoll},
          {kKeysLead, changed, playing({Cue::Fanfare}, true)}}},
        {"a turn ended by Enter stops the roll without a buzzer",
         kKeys,
         {{kKeys, changed, kRoll}, {kRest, changed, kSilent}}},
        {"while scores are hidden the lead is silent; the reveal stings, the winner's fanfares",
         kRestHidden,
         {{kKeysLeadHidden, changed, kRoll},
          {kRestHidden, CueMoment::RevealStep, playing({Cue::Sting})},
          {kRestHidden, CueMoment::RevealStep, playing({Cue::Sting})},
          {kRestHidden, CueMoment::WinnerRevealed, playing({Cue::Fanfare})}}},
        {"a microphone turn cuts what sounds, rolls nothing, and its cues wait for its end once each",
         kRest,
         {{kMic, changed, CueOrders{.cut = true}},
          {kMicLead, changed, kSilent},
          {kMic, changed, kSilent},
          {kMicLead, changed, kSilent},
          {kRest, CueMoment::TimeUp, playing({Cue::Fanfare, Cue::Buzzer})},
          {kRest, changed, kSilent}}},
        {"a reveal step during a microphone turn waits for its end",
         kRest,
         {{kMic, changed, CueOrders{.cut = true}},
          {kMic, CueMoment::RevealStep, kSilent},
          {kMic, CueMoment::WinnerRevealed, kSilent},
          {kRest, changed, playing({Cue::Sting, Cue::Fanfare})}}},
        {"the microphone switched on in a keyboard turn cuts the roll",
         kRest,
         {{kKeys, changed, kRoll},
          {kMic, changed, CueOrders{.cut = true}},
          {kKeys, changed, kRoll}}},
        {"a show that already has a leader when cues come on plays no fanfare for it",
         kKeysLead,
         {{kKeysLead, changed, kRoll}}},
        {"one microphone turn after another cuts at each start",
         kRest,
         {{kMic, changed, CueOrders{.cut = true}},
          {kRest, changed, kSilent},
          {kMic, changed, CueOrders{.cut = true}}}},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        CueRules rules(scenario.start);
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i + 1));
            const Step& step = scenario.steps[i];
            const CueOrders orders = rules.step(step.facts, step.moment);
            EXPECT_EQ(orders.cut, step.expected.cut);
            EXPECT_EQ(orders.drumRoll, step.expected.drumRoll);
            EXPECT_EQ(orders.play, step.expected.play);
            EXPECT_EQ(rules.maySound(), !step.facts.microphoneMeasures);
        }
    }
}

// The facts as a real meter gives them through a show: a turn, the lead as the Stage marks
// it, and the microphone measuring only while a turn measures.
TEST(CueRules, FactsFollowTheMeter)
{
    MeterCore meter(true, false);
    const auto turnOf = [&meter](const char* name, int ticksHeld) {
        meter.onText(brio::BRString(QString::fromLatin1(name).toStdU16String()));
        meter.onChar(MeterCore::kEnter);
        for (int i = 0; i < ticksHeld; ++i)
            meter.tick(TickInput{.listening = true, .spaceDown = true});
    };
    EXPECT_EQ(cueFactsOf(meter, true, false), CueFacts{});
    turnOf("Ann", 20);
    EXPECT_EQ(cueFactsOf(meter, false, false), (CueFacts{.turnRuns = true}))
        << "alone in the table, Ann leads nobody";
    EXPECT_EQ(cueFactsOf(meter, true, true),
              (CueFacts{.turnRuns = true, .microphoneMeasures = true, .scoresHidden = true}));
    meter.onChar(MeterCore::kEnter);
    EXPECT_EQ(cueFactsOf(meter, true, false), CueFacts{}) << "no turn, nothing measures";
    turnOf("Bo", 5);
    EXPECT_FALSE(cueFactsOf(meter, false, false).leads) << "Bo is still below Ann";
    for (int i = 0; i < 40; ++i)
        meter.tick(TickInput{.listening = true, .spaceDown = true});
    EXPECT_EQ(cueFactsOf(meter, false, false), (CueFacts{.turnRuns = true, .leads = true}));

    MeterCore withoutTable(false, false);
    EXPECT_EQ(cueFactsOf(withoutTable, true, false), (CueFacts{.microphoneMeasures = true}))
        << "without a table the meter always measures, and no turn runs";
}

TEST(CueSettings, StoredValuesReadWithinTheirRanges)
{
    struct Case {
        const char* file;
        CueSettings expected;
    };
    CueSettings defaults;
    CueSettings stored;
    stored.on = true;
    stored.deviceId = QStringLiteral("cues");
    stored.volume = 35;
    stored.fileOf(Cue::Fanfare) = QStringLiteral("/srv/show/fanfare.wav");
    stored.fileOf(Cue::Sting) = QStringLiteral("/srv/show/sting.wav");
    CueSettings loudest;
    loudest.on = true;
    loudest.volume = kMaximumCueVolume;
    CueSettings silent;
    silent.volume = kMinimumCueVolume;
    const std::vector<Case> cases{
        {"", defaults},
        {"SoundCues=1\nCueDevice=cues\nCueVolume=35\nCueFanfareFile=/srv/show/fanfare.wav\n"
         "CueStingFile=/srv/show/sting.wav\n",
         stored},
        {"SoundCues=7\nCueVolume=250\n", loudest},
        {"SoundCues=0\nCueVolume=-4\n", silent},
        {"SoundCues=yes\nCueVolume=loud\n", defaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(writeSettingsFile(c.file));
        ASSERT_TRUE(ovatron::test::startLaterRun());
        RecordingConfig config;
        EXPECT_EQ(loadCueSettings(config), c.expected);
    }
}

TEST(CueSettings, WhatIsStoredIsReadBackInALaterRun)
{
    CueSettings chosen;
    chosen.on = true;
    chosen.deviceId = QStringLiteral("alsa_output.usb-Desk-00.analog-stereo");
    chosen.volume = 60;
    chosen.fileOf(Cue::DrumRoll) = QStringLiteral("/home/op/roll.wav");
    chosen.fileOf(Cue::Buzzer) = QStringLiteral("/home/op/Buzzer (long).wav");
    {
        RecordingConfig earlierRun;
        storeCueSettings(earlierRun, chosen);
    }
    ASSERT_TRUE(ovatron::test::startLaterRun());
    RecordingConfig laterRun;
    EXPECT_EQ(loadCueSettings(laterRun), chosen);
    chosen.fileOf(Cue::Buzzer).clear();  // the project's own again
    storeCueSettings(laterRun, chosen);
    ASSERT_TRUE(ovatron::test::startLaterRun());
    RecordingConfig thirdRun;
    EXPECT_EQ(loadCueSettings(thirdRun), chosen);
}
