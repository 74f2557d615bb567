// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Correction.h"

#include <QUndoCommand>

class MeterView;

// A correction of the league table on the undo history, one class for each kind, each named
// for the Edit menu ("Remove Ben"). The change is made before the command is pushed, so its
// first redo has nothing to do.
class CorrectionCommand : public QUndoCommand {
public:
    void redo() override;
    void undo() override;

protected:
    CorrectionCommand(MeterView& view, Correction change, const QString& text);

private:
    MeterView& m_view;
    Correction m_change;
    bool m_made = true;
};

class RenameCommand : public CorrectionCommand {
public:
    RenameCommand(MeterView& view, const correction::Renamed& change);
};

class RemoveCommand : public CorrectionCommand {
public:
    RemoveCommand(MeterView& view, const correction::Removed& change);
};

class MeasureAgainCommand : public CorrectionCommand {
public:
    MeasureAgainCommand(MeterView& view, const correction::Remeasured& change,
                        const QString& name);
};

class ClearTableCommand : public CorrectionCommand {
public:
    ClearTableCommand(MeterView& view, const correction::Removed& change);
};
