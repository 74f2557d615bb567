// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Correction.h"

#include <QUndoCommand>

#include <functional>

class MeterCore;

// A correction of the league table on the undo history, one class for each kind, each named
// for the Edit menu ("Remove Ben"). The change is made before the command is pushed, so its
// first redo has nothing to do. Each undo and redo works on the meter and then calls shown, so
// that the displays follow.
class CorrectionCommand : public QUndoCommand {
public:
    void redo() override;
    void undo() override;

protected:
    CorrectionCommand(MeterCore& meter, std::function<void()> shown, Correction change,
                      const QString& text);

private:
    MeterCore& m_meter;
    std::function<void()> m_shown;
    Correction m_change;
    bool m_made = true;
};

class RenameCommand : public CorrectionCommand {
public:
    RenameCommand(MeterCore& meter, std::function<void()> shown, const correction::Renamed& change);
};

class RemoveCommand : public CorrectionCommand {
public:
    RemoveCommand(MeterCore& meter, std::function<void()> shown, const correction::Removed& change);
};

class MeasureAgainCommand : public CorrectionCommand {
public:
    MeasureAgainCommand(MeterCore& meter, std::function<void()> shown,
                        const correction::Remeasured& change, const QString& name);
};

class ClearTableCommand : public CorrectionCommand {
public:
    ClearTableCommand(MeterCore& meter, std::function<void()> shown, const correction::Removed& change);
};
