// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CorrectionKinds.h"

class MeterCore;

// Taking a correction back and making it again: the meter as it was before the correction, and
// as it was after it. A contestant the table no longer holds is passed over. The meter itself
// knows only the kinds of correction (CorrectionKinds.h), which it hands out as the keys
// finish one, so this side alone includes the other.
void undoCorrection(MeterCore& meter, const Correction& change);
void redoCorrection(MeterCore& meter, const Correction& change);
