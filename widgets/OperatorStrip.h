// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/MeterSession.h"

#include <QLabel>

#include <vector>

class MeterCore;

// The slim strip at the foot of the operator's window while the audience has its own screen:
// the state of the turn and the next names of the preload list. The audience never sees it.
class OperatorStrip : public QLabel {
    Q_OBJECT
public:
    explicit OperatorStrip(QWidget* parent = nullptr);

    void showMeter(const MeterCore& meter, bool winnersShowing = false,
                   const std::vector<MeterSession::OpenMarking>& marking = {});
};

// Who has marked each contestant whose marking is open: "Anna 3 of 5, Ben 0 of 5"; empty
// when none is open.
QString markingStripText(const std::vector<MeterSession::OpenMarking>& marking);

// The strip's text for this meter: the state (or that the winners show on the audience's
// screen), then up to a few waiting names.
QString operatorStripText(const MeterCore& meter, bool winnersShowing = false);
