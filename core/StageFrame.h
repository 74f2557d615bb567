// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/ScoreReveal.h"
#include "core/StageLayout.h"
#include "core/StagePalette.h"
#include "core/jury/JuryResult.h"

#include <QString>

#include <optional>
#include <vector>

class MeterCore;

// The text of the Stage's top band: the event's title with the current round's name beside
// it once the show uses rounds; without a title, the round's name, or the program's name for
// a show that never used rounds.
QString stageBandText(const QString& eventTitle, const QString& roundName, bool roundsUsed,
                      const QString& programName);

// What changes every pixel of the Stage look when it changes: fonts, colours, the measured
// widths, the logo's proportions and the event's name.
struct StageLook {
    QString fonts;  // the keys of its fonts, one after the other
    StagePalette palette;
    stage::TextWidths widths;
    layout::Size logo;
    QString title;
    int rows = stage::kRowsInView;  // the table's slots (stageRowsOf)
    friend bool operator==(const StageLook&, const StageLook&) = default;
};

// One table row as the Stage shows it.
struct StageRow {
    int slot = 0;
    int rank = 0;  // 0: the rank is not written (the row above shares it)
    brio::BRString name;
    int score = 0;
    bool current = false;
    bool newLeader = false;
    bool hidden = false;  // "?" for the score, no rank
    std::optional<ranking::Result> result;  // with the jury on, shown in place of the score
    bool pending = false;                   // marking still open: "…" for the result
    friend bool operator==(const StageRow&, const StageRow&) = default;
};

// One of the last two hidden contestants, side by side.
struct StagePairCard {
    brio::BRString name;
    int score = 0;
    bool hidden = true;
    std::optional<ranking::Result> result;  // with the jury on, once revealed
    friend bool operator==(const StagePairCard&, const StagePairCard&) = default;
};

// A row gliding from the slot it left to its new place, progress of kGlideSteps.
struct StageGlide {
    int fromSlot = 0;
    int toSlot = 0;
    int progress = 0;
    friend bool operator==(const StageGlide&, const StageGlide&) = default;
};

// The contestants on one place of the podium, as many as it has room for.
struct PodiumPlace {
    std::vector<brio::BRString> names;
    int more = 0;  // sharing the place beyond those named
    int score = 0;
    std::optional<ranking::Result> result;  // with the jury on, shown in place of the score
    friend bool operator==(const PodiumPlace&, const PodiumPlace&) = default;
};

// A duel's side on the Stage: its name heads its own meter.
struct StageDuelSide {
    brio::BRString name;
    int level = 0;
    int score = 0;
    friend bool operator==(const StageDuelSide&, const StageDuelSide&) = default;
};

// A duel: two meters side by side in place of the one, and its verdict once it is over.
struct StageDuel {
    StageDuelSide left;
    StageDuelSide right;
    bool over = false;
    QString verdict;  // "Blue House wins", "Draw"; empty while it runs
    friend bool operator==(const StageDuel&, const StageDuel&) = default;
};

// The current contestant's three figures while the jury is on: the applause and J each with
// its weight, and the result they give.
struct StageJuryFigures {
    int applause = 0;
    std::optional<jury::Hundredths> jury;  // none before any judge marked
    ranking::Result result;
    jury::Weights weights;
    bool pending = false;  // marking still open: the result is not final
    bool hidden = false;   // the score is hidden from the audience: none of the three is told
    friend bool operator==(const StageJuryFigures&, const StageJuryFigures&) = default;
};

// One of the awards beside the winners: who shares it and the figure it was won with.
struct StageAward {
    std::vector<brio::BRString> names;
    int more = 0;
    QString figure;  // J for the Judges' Choice, the applause for the People's
    friend bool operator==(const StageAward&, const StageAward&) = default;
};

// A mark in points as shown: "7.5", "8", "7.25"; a result with its tenth: "77.5".
QString pointsText(jury::Hundredths value);
QString resultText(ranking::Result result);

// What the Stage shows beside the meter: the winners instead of the table, the equal turn's
// countdown, and whether the current contestant has just taken the lead.
struct StageMoment {
    bool winners = false;
    bool newLeader = false;
    std::optional<int> countdown;
    ScoreReveal reveal;  // the scores the audience does not see yet
    // The current row's glide, from the slot it stood in (progress of stage::kGlideSteps).
    std::optional<int> glideFrom;
    int glideProgress = stage::kGlideSteps;
    int confettiMilliseconds = -1;  // since the winners began to show; -1 for none
    std::optional<StageDuel> duel;  // a duel running, or over until the next turn
    std::vector<std::int64_t> pending;  // the contestants (orders) whose marking is open
};

// What the Stage look shows in one frame, and nothing it does not show. Two of them tell
// which pixels differ without drawing either.
struct StageFrame {
    layout::Rect view;
    StageLook look;
    bool winners = false;
    bool tableInUse = false;
    bool measuring = false;
    int level = 0;
    int peak = 0;
    std::optional<int> countdown;
    bool newLeader = false;
    std::vector<StageRow> rows;
    int gapSlot = -1;
    std::vector<PodiumPlace> podium;  // while the winners show: first, second, third
    bool levelHidden = false;  // the current score is hidden: no numbers, no peak mark
    std::vector<StagePairCard> pair;  // the last two hidden, side by side above the other rows
    std::optional<StageGlide> glide;
    std::vector<stage::ConfettiPiece> confetti;
    std::optional<StageDuel> duel;
    std::optional<StageJuryFigures> juryFigures;  // the current contestant's, with the jury on
    std::vector<StageAward> awards;  // while the winners show with a jury: Judges', People's
};

// The slot the current row stands in, -1 when it is not shown.
int currentSlot(const StageFrame& frame);

stage::Layout stageLayoutOf(const StageFrame& frame);

// The slots the Stage's table gets for the meter's table as the audience sees it: as many as
// its rows need (the last two hidden standing side by side take kPairSlots), within
// stage::rowsInView; the podium keeps the usual kRowsInView.
int stageRowsOf(const MeterCore& meter, const ScoreReveal& reveal, bool winners);

StageFrame stageFrameOf(const MeterCore& meter, const layout::Rect& view, const StageLook& look,
                        const StageMoment& moment);

// Whether the contestant being measured stands first (alone or shared) over others, with a
// score above 0.
bool currentLeads(const MeterCore& meter);

// The parts of after.view whose pixels may differ from the frame before: the whole view when
// the size, look, winners or the table's use changed; otherwise the level's part of the bar
// and its number, the peak's old and new tick, the countdown, the new-leader line, and the
// cells of each changed row. None when the two frames look alike.
std::vector<layout::Rect> changedStageRects(const StageFrame& before, const StageFrame& after);
