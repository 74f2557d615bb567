// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/jury/JuryResult.h"
#include "core/jury/JuryRules.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <variant>
#include <vector>

namespace jury {

// A judge as the show knows her: her name and the token of her personal link (empty while
// revoked, so that nothing she sends counts).
struct Judge {
    QString name;
    QString token;

    friend bool operator==(const Judge&, const Judge&) = default;
};

// A token nobody can guess: 128 bits from the system's generator, as 32 hex digits.
QString newJudgeToken();

// What a judge's page sends: her token, whom she marks, her mark (without criteria one, its
// name empty) or one a criterion by the criterion's name, and an id her page chose, which
// makes a mark sent twice count once.
struct MarkSent {
    QString token;
    QString contestant;
    std::vector<std::pair<QString, double>> marks;
    QString markId;
};

// What became of a mark. Every outcome but Accepted and Repeated changed nothing.
enum class MarkOutcome {
    Accepted,
    Repeated,           // its id was taken already: it counts once
    NoJury,
    UnknownToken,       // no judge has it, or it was revoked
    UnknownContestant,
    MarkingClosed,
    OutOfRange,
    OffStep,
    CriteriaMismatch,   // not one mark, or not one for each criterion
};

// One judge's mark of one contestant, the latest counting, as given (in hundredths, one a
// criterion of the contestant's set-up) with its id and time.
struct GivenMark {
    QString judge;
    QString markId;
    JudgeMarks marks;
    QDateTime at;
};

// One contestant's marking: whether it is open, the set-up she is marked under (the one in
// force when her marking first opened) and the judges' latest marks.
struct Marking {
    bool open = false;
    JuryRules rules;
    std::vector<GivenMark> marks;  // one a judge, in the order they first came
    QDateTime opened;              // of the latest opening
    std::uint64_t openedAs = 0;    // the desk's count of openings then, which orders those open
};

// The jury's running state, as plain data with its rules: the set-up and judges with their
// tokens, and each contestant's marking by order of entry. The session owns it and records
// every change; nothing here knows the meter.
class JuryDesk {
public:
    bool on() const { return m_rules.has_value(); }
    const std::optional<JuryRules>& rules() const { return m_rules; }
    const std::vector<Judge>& judges() const { return m_judges; }

    // A new set-up, or its first problem with nothing changed. A judge of the last set-up
    // (the same name, trimmed, in any case) keeps her token; a new one gets one; one left
    // out loses hers. Contestants already marked keep the set-up they were marked under.
    std::variant<RulesCheck, std::vector<Judge>> setUp(const JuryRules& rules);
    // No jury: the judges and their tokens go; the marks given stay for the record.
    void switchOff();
    // Whether the judge is one; revoking takes her token, reissuing gives her a new one.
    bool revoke(const QString& judge);
    std::optional<QString> reissue(const QString& judge);

    // Marking opens for the contestant (under the set-up she had, or the current one the
    // first time), and closes. Either answers whether it changed anything.
    bool open(std::int64_t order, const QDateTime& at);
    bool close(std::int64_t order);

    // A judge's mark of the contestant with this order of entry (none: nobody of that name).
    MarkOutcome take(const MarkSent& sent, std::optional<std::int64_t> order,
                     const QDateTime& at);

    // Read-outs. The contestants open, the latest opened first.
    std::vector<std::int64_t> openContestants() const;
    bool pending(std::int64_t order) const;
    // The judges (of the current set-up) who marked her.
    QStringList markedBy(std::int64_t order) const;
    // J as it stands, none without a mark.
    std::optional<JuryMark> juryMarkOf(std::int64_t order) const;
    // The judge's mark of her (the weighted mean of the criteria), none when not given.
    std::optional<JuryMark> markOf(std::int64_t order, const QString& judge) const;
    // What the ranking needs of each contestant marked, and of one not marked yet.
    std::map<std::int64_t, JuryStanding> standings() const;
    std::optional<JuryStanding> base() const;

    const std::map<std::int64_t, Marking>& markings() const { return m_markings; }
    // The contestants (orders) whose marking is open: their results are not final yet.
    std::vector<std::int64_t> openOrders() const;
    // A stored state back: the set-up (none: no jury) with the judges' tokens, the markings
    // (their marks aside) and every mark taken, by order of entry, in the order they came.
    void restore(const std::optional<JuryRules>& rules, const std::vector<Judge>& judges,
                 std::map<std::int64_t, Marking> markings,
                 const std::vector<std::pair<std::int64_t, GivenMark>>& marks);

private:
    const Judge* judgeWithToken(const QString& token) const;
    Judge* judgeNamed(const QString& name);
    void keep(Marking& marking, const GivenMark& given);

    std::optional<JuryRules> m_rules;
    std::vector<Judge> m_judges;
    std::map<std::int64_t, Marking> m_markings;
    std::set<std::pair<QString, QString>> m_markIds;  // (judge, id) of every mark taken
    std::uint64_t m_openings = 0;
};

// The contestant's marks by the judge's marking, in the set-up's criteria order, or why not.
std::variant<MarkOutcome, JudgeMarks> marksOf(const JuryRules& rules,
                                              const std::vector<std::pair<QString, double>>& sent);

}  // namespace jury
