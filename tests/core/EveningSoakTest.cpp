// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole evening in the meter: eight hours of 20 ms ticks (1.44 million), 2 000 contestants
// in turns of about fourteen seconds (every third measured by the room), a new preload list
// every hundred turns, the table cleared now and then, and mistakes mended on the summary
// screen (renamed, removed, measured again, taken back and made again). Every rule of
// brokenMeterRule holds after every step, and the memory the meter takes stays flat from the
// first hour to the last, but for the curves it keeps (about 300 bytes a turn).
#include "core/Correction.h"
#include "core/MeterCore.h"
#include "core/PreloadText.h"
#include "support/MeterInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>

namespace {

constexpr int kTicksPerSecond = 50;
constexpr int kEveningTicks = 8 * 60 * 60 * kTicksPerSecond;
constexpr int kContestants = 2000;
constexpr int kTicksPerTurn = kEveningTicks / kContestants;
constexpr int kTurnsPerList = 100;
constexpr int kTurnsBetweenClears = 370;  // not a multiple of the list's length
// Growth of the resident set from the end of the first list to the end of the evening that
// still counts as flat: allocator slack, not a leak of even a few bytes a tick.
constexpr long kFlatGrowthKiB = 2048;

// The contestants, in several scripts and with characters a name rarely has.
std::string contestantName(int number)
{
    static constexpr const char* kStems[] = {"Zoë", "李雷", "Ørjan", "Ана", "محمد", "Nguyễn",
                                              "O'Brien, Jr.", "\"Ace\"", "🎤 Mic", "Ἀλέξανδρος"};
    return std::string(kStems[number % std::size(kStems)]) + " " + std::to_string(number);
}

// The next hundred names, as the operator pastes them: one a line, CR LF between.
brio::BRString preloadText(int firstContestant)
{
    std::string text;
    for (int n = firstContestant; n < firstContestant + kTurnsPerList && n < kContestants; ++n)
        text += (text.empty() ? "" : "\r\n") + contestantName(n);
    return brio::BRString::fromUtf8(text);
}

// A figure from /proc/self/status in KiB, such as "VmRSS"; -1 where there is none.
long statusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

bool underSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

class EveningSoak : public ::testing::Test {
protected:
    void checkRules()
    {
        const char* broken = brokenMeterRule(m_meter);
        ASSERT_EQ(broken, nullptr) << broken << " at tick " << m_ticks;
    }

    // One turn of the current contestant: the applause comes and goes in bursts of SPACE, or
    // of the room's reading (now and then off the scale) when the microphone measures.
    void applaud(bool byRoom)
    {
        int left = kTicksPerTurn;
        while (left > 0) {
            const int burst = std::min(left, std::uniform_int_distribution<int>(1, 120)(m_random));
            const TickInput input{.listening = m_random() % 8 != 0, .spaceDown = m_random() % 2 == 0};
            const std::optional<int> room =
                byRoom ? std::optional<int>(std::uniform_int_distribution<int>(-5, 110)(m_random))
                       : std::nullopt;
            for (int i = 0; i < burst; ++i) {
                const int peakBefore = m_meter.peak();
                m_meter.tick(input, room);
                ++m_ticks;
                // The whole table is checked whenever a tick could have moved an entry.
                const char* broken = m_meter.peak() != peakBefore ? brokenMeterRule(m_meter)
                                                                  : brokenLevelRule(m_meter);
                ASSERT_EQ(broken, nullptr) << broken << " at tick " << m_ticks;
            }
            left -= burst;
        }
    }

    // On the summary screen now and then: a rename, a removal or a measurement again, each
    // taken back and made again once in a while, as an operator mends a mistake.
    void correct(int turn)
    {
        std::optional<Correction> change;
        if (turn % 7 == 3) {
            m_meter.moveSelection(-1);
            m_meter.beginRename();
            m_meter.onChar(MeterCore::kBackspace);
            m_meter.onChar('x');
            m_meter.onChar(MeterCore::kEnter);
            change = m_meter.takeCorrection();
        } else if (turn % 11 == 5 && m_meter.correctionRow() >= 0) {
            change = correction::Removed{
                m_meter.removeEntries({m_meter.leagueTable().entry(m_meter.correctionRow()).order})};
        } else if (turn % 13 == 8 && m_meter.measureAgain()) {
            ASSERT_NO_FATAL_FAILURE(checkRules());
            for (int i = 0; i < 40; ++i)
                m_meter.tick(TickInput{.listening = true, .spaceDown = i < 10});
            m_meter.onChar(MeterCore::kEnter);  // the summary screen again
            change = m_meter.takeCorrection();
        }
        ASSERT_NO_FATAL_FAILURE(checkRules());
        if (change && turn % 3 == 0) {
            undoCorrection(m_meter, *change);
            ASSERT_NO_FATAL_FAILURE(checkRules());
            redoCorrection(m_meter, *change);
            ASSERT_NO_FATAL_FAILURE(checkRules());
        }
    }

    MeterCore m_meter{true, true};
    std::mt19937 m_random{20261208};
    long m_ticks = 0;
};

TEST_F(EveningSoak, EightHoursKeepEveryRuleAndFlatMemory)
{
    long startRss = 0;
    long startPeak = 0;
    for (int turn = 0; turn < kContestants; ++turn) {
        if (turn % kTurnsPerList == 0) {
            rebuildListFromText(m_meter.preloadList(), preloadText(turn));
            m_meter.restartWithPreloadList();  // starts the list's first name
        } else {
            m_meter.onChar(MeterCore::kEnter);  // from the summary to the next name
        }
        ASSERT_NO_FATAL_FAILURE(checkRules());
        ASSERT_EQ(m_meter.state(), MeterState::Measuring) << "turn " << turn;
        ASSERT_NO_FATAL_FAILURE(applaud(turn % 3 == 1));
        if (turn % kTurnsBetweenClears == kTurnsBetweenClears - 1)
            m_meter.clearLeagueTable();  // mid-turn: the contestant stays as the only entry
        m_meter.onChar(MeterCore::kEnter);  // the summary screen
        ASSERT_NO_FATAL_FAILURE(checkRules());
        ASSERT_NO_FATAL_FAILURE(correct(turn));
        if (turn == kTurnsPerList - 1) {
            startRss = statusKiB("VmRSS");
            startPeak = statusKiB("VmHWM");
        }
    }
    EXPECT_EQ(m_ticks, kEveningTicks);

    const long endRss = statusKiB("VmRSS");
    const long endPeak = statusKiB("VmHWM");
    std::cout << "evening soak: " << m_ticks << " ticks, " << kContestants
              << " contestants; after the first list VmRSS " << startRss << " kB, VmHWM "
              << startPeak << " kB; at the end VmRSS " << endRss << " kB, VmHWM " << endPeak
              << " kB\n";
    RecordProperty("StartPeakRssKiB", std::to_string(startPeak));
    RecordProperty("EndPeakRssKiB", std::to_string(endPeak));
    // The sanitizer's quarantine holds freed memory on purpose: only the plain build measures.
    if (!underSanitizer()) {
        ASSERT_GT(startPeak, 0) << "no /proc/self/status";
        EXPECT_LE(endPeak - startPeak, kFlatGrowthKiB);
        EXPECT_LE(endRss - startRss, kFlatGrowthKiB);
    }
}

}  // namespace
