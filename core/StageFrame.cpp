// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StageFrame.h"

#include "core/MeterCore.h"

#include <algorithm>

using layout::Rect;

namespace {

// Names written on one place of the podium before "and n more".
constexpr int kNamesPerPlace = 3;

int scoreAt(const LeagueTable& table, int row)
{
    return table.entry(row).score;
}

std::optional<ranking::Result> juryResultOf(const Score& entry)
{
    return entry.jury ? std::optional(resultOf(entry)) : std::nullopt;
}

bool juryWeighs(const LeagueTable& table)
{
    for (int row = 0; row < table.count(); ++row) {
        if (table.entry(row).jury)
            return true;
    }
    return false;
}

std::optional<jury::Hundredths> shownMark(const Score& entry)
{
    if (!entry.jury || !entry.jury->mark.given())
        return std::nullopt;
    return entry.jury->mark.hundredths();
}

StageAward awardOf(const LeagueTable& table, const std::vector<std::size_t>& rows, bool byJury)
{
    StageAward award;
    for (const std::size_t index : rows) {
        const Score& entry = table.entry(static_cast<int>(index));
        if (static_cast<int>(award.names.size()) < kNamesPerPlace)
            award.names.push_back(entry.name);
        else
            ++award.more;
        if (award.figure.isEmpty())
            award.figure = byJury ? pointsText(shownMark(entry).value_or(0))
                                  : QString::number(entry.score);
    }
    return award;
}

// The Judges' Choice and the People's Choice, by the jury's own arithmetic.
std::vector<StageAward> awardsOf(const LeagueTable& table)
{
    std::vector<jury::AwardRow> rows;
    for (int row = 0; row < table.count(); ++row) {
        const Score& entry = table.entry(row);
        rows.push_back(jury::AwardRow{rankingRow(entry), entry.score, shownMark(entry)});
    }
    const jury::Awards awards = jury::awardsOf(rows);
    return {awardOf(table, awards.judgesChoice, true), awardOf(table, awards.peoplesChoice, false)};
}

std::vector<PodiumPlace> podiumOf(const LeagueTable& table)
{
    std::vector<PodiumPlace> places(stage::kPodiumPlaces);
    for (int row = 0; row < table.count(); ++row) {
        const int rank = rankOfRow(table, row);
        if (rank > stage::kPodiumPlaces)
            break;
        PodiumPlace& place = places[static_cast<std::size_t>(rank - 1)];
        place.score = scoreAt(table, row);
        place.result = juryResultOf(table.entry(row));
        if (static_cast<int>(place.names.size()) < kNamesPerPlace)
            place.names.push_back(table.entry(row).name);
        else
            ++place.more;
    }
    return places;
}

bool sameWholeFrame(const StageFrame& before, const StageFrame& after)
{
    return before.view == after.view && before.look == after.look &&
           before.winners == after.winners && before.tableInUse == after.tableInUse &&
           before.measuring == after.measuring && before.podium == after.podium &&
           before.levelHidden == after.levelHidden && before.pair == after.pair &&
           before.duel == after.duel && before.awards == after.awards &&
           before.juryFigures.has_value() == after.juryFigures.has_value();
}

const StageRow* rowInSlot(const StageFrame& frame, int slot)
{
    for (const StageRow& row : frame.rows) {
        if (row.slot == slot)
            return &row;
    }
    return nullptr;
}

class ChangedRects {
public:
    explicit ChangedRects(const StageFrame& after) : m_frame(after), m_layout(stageLayoutOf(after)) {}

    void add(const Rect& rect)
    {
        const Rect inside{std::max(rect.left, m_frame.view.left), std::max(rect.top, m_frame.view.top),
                          std::min(rect.right, m_frame.view.right),
                          std::min(rect.bottom, m_frame.view.bottom)};
        if (inside.width() > 0 && inside.height() > 0)
            m_rects.push_back(inside);
    }

    void addMeter(const StageFrame& before)
    {
        if (before.level != m_frame.level) {
            add(stage::levelSpan(m_layout, before.level, m_frame.level));
            add(m_layout.levelNumber);
        }
        if (before.peak != m_frame.peak) {
            for (const int peak : {before.peak, m_frame.peak}) {
                add(stage::peakTickRect(m_layout, peak));
                add(stage::peakNumberRect(m_layout, peak));
            }
        }
        if (before.countdown != m_frame.countdown)
            add(m_layout.countdown);
        if (before.newLeader != m_frame.newLeader)
            add(m_layout.leaderLine);
        if (before.juryFigures != m_frame.juryFigures) {
            for (int figure = 0; figure < stage::kJuryFigures; ++figure)
                add(stage::juryFigureRect(m_layout, figure));
        }
    }

    // A glide repaints the slots it crosses, and nothing else of the rows.
    void addGlide(const StageFrame& before)
    {
        for (const StageFrame* frame : {&before, &m_frame}) {
            if (frame->glide)
                add(stage::glideSpan(m_layout, frame->glide->fromSlot, frame->glide->toSlot));
        }
    }

    void addConfetti(const StageFrame& before)
    {
        if (before.confetti == m_frame.confetti)
            return;
        for (const StageFrame* frame : {&before, &m_frame}) {
            for (const stage::ConfettiPiece& piece : frame->confetti)
                add(piece.rect);
        }
    }

    void addRows(const StageFrame& before)
    {
        if (before.gapSlot != m_frame.gapSlot) {
            for (const int slot : {before.gapSlot, m_frame.gapSlot}) {
                if (slot >= 0)
                    add(stage::slotRect(m_layout, slot));
            }
        }
        for (int slot = 0; slot < m_layout.rows; ++slot) {
            const StageRow* old = rowInSlot(before, slot);
            const StageRow* now = rowInSlot(m_frame, slot);
            if ((!old && !now) || (old && now && *old == *now))
                continue;
            // A row recoloured or banded changes all of it; otherwise only its changed cells.
            if (!old || !now || old->current != now->current || old->newLeader != now->newLeader ||
                old->hidden != now->hidden) {
                add(stage::slotRect(m_layout, slot));
                continue;
            }
            if (old->rank != now->rank)
                add(stage::rankRect(m_layout, slot));
            if (old->name != now->name)
                add(stage::nameRect(m_layout, slot));
            if (old->score != now->score || old->result != now->result ||
                old->pending != now->pending)
                add(stage::scoreRect(m_layout, slot));
        }
    }

    std::vector<Rect> take() { return std::move(m_rects); }

private:
    const StageFrame& m_frame;
    const stage::Layout m_layout;
    std::vector<Rect> m_rects;
};

}  // namespace

stage::Layout stageLayoutOf(const StageFrame& frame)
{
    return stage::stageLayout(
        stage::LayoutInput{frame.view, frame.look.widths, frame.look.logo, frame.tableInUse,
                           frame.look.rows, frame.juryFigures || !frame.awards.empty()});
}

int stageRowsOf(const MeterCore& meter, const ScoreReveal& reveal, bool winners)
{
    if (winners || !meter.useLeagueTable())
        return stage::kRowsInView;
    const int rows = meter.leagueTable().count();
    const int paired = static_cast<int>(reveal.pair.size());
    return stage::rowsInView(paired > 0 ? rows - paired + stage::kPairSlots : rows);
}

bool currentLeads(const MeterCore& meter)
{
    const LeagueTable& table = meter.leagueTable();
    const int current = meter.currentIndex();
    return meter.state() == MeterState::Measuring && table.contains(current) &&
           table.count() > 1 && scoreAt(table, current) > 0 && rankOfRow(table, current) == 1;
}

int currentSlot(const StageFrame& frame)
{
    for (const StageRow& row : frame.rows) {
        if (row.current)
            return row.slot;
    }
    return -1;
}

namespace {

std::vector<StagePairCard> pairOf(const LeagueTable& table, const ScoreReveal& reveal)
{
    std::vector<StagePairCard> cards;
    for (const std::int64_t order : reveal.pair) {
        const int row = table.rowOf(order);
        if (row < 0)
            return {};
        const Score& entry = table.entry(row);
        const bool hidden = isHidden(reveal, order);
        cards.push_back(StagePairCard{entry.name, hidden ? 0 : entry.score, hidden,
                                      hidden ? std::nullopt : juryResultOf(entry)});
    }
    return cards;
}

// The rows from firstSlot on, in the audience's order (the scores shown, then the hidden at
// the foot), but for those standing side by side.
void addRows(StageFrame& frame, const MeterCore& meter, const StageMoment& moment, int firstSlot)
{
    const ScoreReveal& reveal = moment.reveal;
    const LeagueTable& table = meter.leagueTable();
    std::vector<AudienceRow> order = audienceRows(table, reveal);
    std::erase_if(order, [&](const AudienceRow& row) {
        const std::int64_t entered = table.entry(row.row).order;
        return std::find(reveal.pair.begin(), reveal.pair.end(), entered) != reveal.pair.end();
    });
    int currentPlace = -1;
    for (std::size_t place = 0; place < order.size(); ++place) {
        if (order[place].row == meter.currentIndex())
            currentPlace = static_cast<int>(place);
    }
    const stage::SlotPlan plan = stage::planSlots(static_cast<int>(order.size()), currentPlace,
                                                  stage::rowsInView(frame.look.rows) - firstSlot);
    frame.gapSlot = plan.gapSlot < 0 ? -1 : plan.gapSlot + firstSlot;
    int previous = -1;
    for (const stage::ShownSlot& shown : plan.rows) {
        const AudienceRow& row = order[static_cast<std::size_t>(shown.index)];
        const Score& entry = table.entry(row.row);
        // A rank is written once per group of equal scores, and again after the gap.
        const bool sharesAbove = !row.hidden && previous == shown.index - 1 && previous >= 0 &&
                                 !order[static_cast<std::size_t>(previous)].hidden &&
                                 scoreAt(table, order[static_cast<std::size_t>(previous)].row) ==
                                     entry.score;
        const bool current = row.row == meter.currentIndex();
        const bool pending = std::find(moment.pending.begin(), moment.pending.end(), entry.order) !=
                             moment.pending.end();
        frame.rows.push_back(StageRow{shown.slot + firstSlot, sharesAbove ? 0 : row.rank, entry.name,
                                      row.hidden ? 0 : entry.score, current,
                                      current && frame.newLeader, row.hidden,
                                      row.hidden ? std::nullopt : juryResultOf(entry),
                                      pending && !row.hidden && entry.jury.has_value()});
        previous = shown.index;
    }
}

}  // namespace

StageFrame stageFrameOf(const MeterCore& meter, const Rect& view, const StageLook& look,
                        const StageMoment& moment)
{
    StageFrame frame;
    frame.view = view;
    frame.look = look;
    frame.winners = moment.winners;
    frame.tableInUse = meter.useLeagueTable();
    const LeagueTable& table = meter.leagueTable();
    if (frame.winners) {
        frame.podium = podiumOf(table);
        if (juryWeighs(table))
            frame.awards = awardsOf(table);
        frame.confetti = stage::confettiAt(view, moment.confettiMilliseconds);
        return frame;
    }
    frame.countdown = moment.countdown;
    frame.duel = moment.duel;
    frame.measuring = meter.state() == MeterState::Measuring;
    const int current = meter.currentIndex();
    frame.levelHidden = table.contains(current) && isHidden(moment.reveal, table.entry(current).order);
    if (frame.measuring) {
        frame.level = meter.level();
        // A hidden score's peak and its lead are not told, not even by the mark.
        frame.peak = frame.levelHidden ? 0 : meter.peak();
        frame.newLeader = moment.newLeader && !frame.levelHidden;
    }
    if (table.contains(current) && table.entry(current).jury && !frame.duel) {
        const Score& entry = table.entry(current);
        const bool pending = std::find(moment.pending.begin(), moment.pending.end(), entry.order) !=
                             moment.pending.end();
        frame.juryFigures = StageJuryFigures{entry.score, shownMark(entry), resultOf(entry),
                                             entry.jury->weights, pending, frame.levelHidden};
    }
    if (!frame.tableInUse)
        return frame;
    frame.pair = pairOf(table, moment.reveal);
    addRows(frame, meter, moment, frame.pair.empty() ? 0 : stage::kPairSlots);
    const int slot = currentSlot(frame);
    if (moment.glideFrom && slot >= 0 && *moment.glideFrom != slot &&
        moment.glideProgress < stage::kGlideSteps)
        frame.glide = StageGlide{*moment.glideFrom, slot, moment.glideProgress};
    return frame;
}

std::vector<Rect> changedStageRects(const StageFrame& before, const StageFrame& after)
{
    ChangedRects changed(after);
    if (!sameWholeFrame(before, after)) {
        changed.add(after.view);
        return changed.take();
    }
    changed.addMeter(before);
    changed.addRows(before);
    changed.addConfetti(before);
    if (before.glide != after.glide)
        changed.addGlide(before);
    return changed.take();
}

QString pointsText(jury::Hundredths value)
{
    QString text = QString::number(static_cast<double>(value) / jury::kPoint, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString resultText(ranking::Result result)
{
    return QString::number(result.tenths / 10.0, 'f', 1);
}

QString stageBandText(const QString& eventTitle, const QString& roundName, bool roundsUsed,
                      const QString& programName)
{
    const QString title = eventTitle.trimmed();
    if (!roundsUsed)
        return title.isEmpty() ? programName : title;
    if (title.isEmpty())
        return roundName;
    return title + QStringLiteral(" \u2013 ") + roundName;
}
