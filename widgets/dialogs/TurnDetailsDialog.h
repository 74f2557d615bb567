// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/TurnDetails.h"

#include <QDialog>

class CurvePlot;
class MeterSession;
class QComboBox;
class QFormLayout;
class QLabel;

// Edit > Turn Details...: a row's turns, each with its curve drawn large and the level it is
// marked at, the score, the turn's length, its loudest moment, the input that measured it and
// the room's calibration then, and each microphone that measured it. A contestant measured
// again has a turn to choose; the other turns stay drawn in grey.
class TurnDetailsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TurnDetailsDialog(const RowCurves& row, QWidget* parent = nullptr);

    // The row again (its turn under way has grown); the chosen turn stays chosen.
    void showRow(const RowCurves& row);
    void chooseTurn(int index);

    // What the dialog shows (for tests).
    CurvePlot& plot() const { return *m_plot; }
    QComboBox* turnBox() const { return m_turns; }
    // Each figure's text, in the order shown: score, marked level, length, loudest moment,
    // input, room.
    QStringList figures() const;
    // The chosen turn's microphones as listed, one line each.
    const QStringList& microphoneTexts() const { return m_microphoneTexts; }

private:
    void showTurn();
    void showMicrophones(const TurnCurve& curve);

    RowCurves m_row;
    QLabel* m_name;
    QComboBox* m_turns;
    CurvePlot* m_plot;
    QLabel* m_score;
    QLabel* m_markedCaption;
    QLabel* m_marked;
    QLabel* m_length;
    QLabel* m_loudest;
    QLabel* m_input;
    QLabel* m_room;
    QLabel* m_microphones;
    QFormLayout* m_form;
    QStringList m_microphoneTexts;
};

// Opens Turn Details for the row a correction would act on, and keeps it up to date while that
// row's turn runs; nothing when the row has no curve.
void showTurnDetails(MeterSession& session, QWidget* parent);
