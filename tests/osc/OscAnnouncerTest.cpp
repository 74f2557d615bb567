// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// What the OSC targets are told, step by step through a show, read off the real meter.
#include "core/MeterCore.h"
#include "osc/OscAnnouncer.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const OscMessage& message, std::ostream* out)
{
    *out << message.path.constData();
    for (const OscArgument& argument : message.arguments) {
        if (const auto* number = std::get_if<std::int32_t>(&argument))
            *out << ' ' << *number;
        else
            *out << " \"" << std::get<QString>(argument).toStdString() << '"';
    }
}

namespace {

using Messages = std::vector<OscMessage>;

// Steps the meter and collects what each step announces.
class Show {
public:
    Show() : m_meter(true, true) { m_told = oscFactsOf(m_meter, false); }

    Messages type(const char* name)
    {
        m_meter.onText(name);
        m_meter.onChar(MeterCore::kEnter);
        return step();
    }
    Messages applaud(int ticks)
    {
        for (int tick = 0; tick < ticks; ++tick)
            m_meter.tick(TickInput{true, true});
        return step();
    }
    Messages key(char16_t key)
    {
        m_meter.onChar(key);
        return step();
    }
    Messages winners(bool shown)
    {
        m_winners = shown;
        return step();
    }
    int peak() const { return m_meter.peak(); }

private:
    Messages step()
    {
        const OscFacts now = oscFactsOf(m_meter, m_winners);
        Messages said = oscAnnouncements(m_told, now);
        m_told = now;
        return said;
    }

    MeterCore m_meter;
    OscFacts m_told;
    bool m_winners = false;
};

OscMessage msg(const char* path, std::vector<OscArgument> arguments = {})
{
    return OscMessage{path, std::move(arguments)};
}

TEST(OscAnnouncer, TurnsLeadersAndWinnersAreToldOnceAndRestIsSilent)
{
    Show show;
    EXPECT_EQ(show.type("Ana"), (Messages{msg("/ovatron/turn/start", {QStringLiteral("Ana")})}));
    const Messages rising = show.applaud(10);
    const int anaScore = show.peak();
    ASSERT_GT(anaScore, 0);
    // Alone in the table, the first contestant takes no lead from anyone, as on the Stage.
    EXPECT_EQ(rising, Messages{});
    EXPECT_EQ(show.applaud(0), Messages{}) << "nothing changed, nothing is sent";
    EXPECT_EQ(show.key(MeterCore::kEnter),
              (Messages{msg("/ovatron/turn/end", {QStringLiteral("Ana"), anaScore})}));
    EXPECT_EQ(show.key(MeterCore::kEnter), Messages{});

    EXPECT_EQ(show.type("Ben"), (Messages{msg("/ovatron/turn/start", {QStringLiteral("Ben")})}));
    EXPECT_EQ(show.applaud(5), Messages{}) << "below the leader: no new leader";
    Messages overtaking;
    for (int step = 0; step < 40 && overtaking.empty(); ++step)
        overtaking = show.applaud(1);
    ASSERT_EQ(overtaking.size(), 1u);
    EXPECT_EQ(overtaking.front().path, QByteArray("/ovatron/leader"));
    EXPECT_EQ(overtaking.front().arguments.front(), OscArgument(QStringLiteral("Ben")));
    // Sharing first place is taking the lead; going on past Ana is no second announcement.
    EXPECT_EQ(show.peak(), anaScore);
    EXPECT_EQ(show.applaud(5), Messages{});
    const int benScore = show.peak();
    ASSERT_GT(benScore, anaScore);
    EXPECT_EQ(show.key(MeterCore::kEscape),
              (Messages{msg("/ovatron/turn/end", {QStringLiteral("Ben"), benScore})}));

    EXPECT_EQ(show.winners(true),
              (Messages{msg("/ovatron/winners", {QStringLiteral("Ben"), benScore,
                                                 QStringLiteral("Ana"), anaScore})}));
    EXPECT_EQ(show.winners(true), Messages{});
    EXPECT_EQ(show.winners(false), Messages{});
}

TEST(OscAnnouncer, TheCountdownIsToldOnceASecond)
{
    OscFacts before;
    before.measuring = true;
    before.current = QStringLiteral("Ana");
    OscFacts now = before;
    now.countdown = 10;
    EXPECT_EQ(oscAnnouncements(before, now), (Messages{msg("/ovatron/countdown", {10})}));
    EXPECT_EQ(oscAnnouncements(now, now), Messages{});
    OscFacts later = now;
    later.countdown = 9;
    later.level = 40;  // the level goes apart, never here
    EXPECT_EQ(oscAnnouncements(now, later), (Messages{msg("/ovatron/countdown", {9})}));
}

TEST(OscAnnouncer, ADuelsEndIsToldOnceWithBothSides)
{
    OscFacts before;
    OscFacts over = before;
    over.duelEnded = {{QStringLiteral("Blue House"), 72}, {QStringLiteral("Red House"), 60}};
    EXPECT_EQ(oscAnnouncements(before, over),
              (Messages{msg("/ovatron/duel/end", {QStringLiteral("Blue House"), 72,
                                                  QStringLiteral("Red House"), 60})}));
    EXPECT_EQ(oscAnnouncements(over, over), Messages{});
    EXPECT_EQ(oscAnnouncements(over, before), Messages{}) << "the next turn ends its show";
}

TEST(OscAnnouncer, EachNewCountOfJudgesWhoMarkedIsToldOnce)
{
    const QString ana = QStringLiteral("Ana");
    const QString bo = QStringLiteral("Bo");
    // Marking opens with nobody marked, two judges mark, both marked again, Ana's closes.
    const std::pair<std::vector<std::pair<QString, int>>, Messages> steps[] = {
        {{{ana, 0}}, {}},
        {{{bo, 0}, {ana, 1}}, {msg("/ovatron/jury/marked", {ana, 1})}},
        {{{bo, 2}, {ana, 3}}, {msg("/ovatron/jury/marked", {bo, 2}), msg("/ovatron/jury/marked", {ana, 3})}},
        {{{bo, 2}}, {}},
    };
    OscFacts before;
    for (const auto& [marked, said] : steps) {
        OscFacts now = before;
        now.marked = marked;
        EXPECT_EQ(oscAnnouncements(before, now), said) << marked.size();
        EXPECT_EQ(oscAnnouncements(now, now), Messages{});
        before = now;
    }
}

}  // namespace
