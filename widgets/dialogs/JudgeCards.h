// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/jury/JuryDesk.h"
#include "widgets/dialogs/JuryDialog.h"

#include <vector>

class QPagedPaintDevice;

// One card a page for each judge who holds a link: her name, the link and its QR code, to
// hand out before the show. Revoked judges get none. False when the device cannot be painted.
bool paintJudgeCards(QPagedPaintDevice& device, const std::vector<jury::Judge>& judges,
                     const JudgeLinkBase& links);
// The cards as a PDF file; false when it cannot be written.
bool exportJudgeCards(const QString& path, const std::vector<jury::Judge>& judges,
                      const JudgeLinkBase& links);
