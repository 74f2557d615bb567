// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/CorrectionCommands.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"
#include "core/Translated.h"

#include <utility>

namespace {

QString nameOf(const correction::Removed& change)
{
    return change.entries.empty() ? QString() : brio::toQString(change.entries.front().name);
}

}  // namespace

CorrectionCommand::CorrectionCommand(MeterCore& meter, std::function<void()> shown,
                                     Correction change, const QString& text)
    : m_meter(meter), m_shown(std::move(shown)), m_change(std::move(change))
{
    setText(text);
}

void CorrectionCommand::redo()
{
    if (std::exchange(m_made, false))
        return;
    redoCorrection(m_meter, m_change);
    m_shown();
}

void CorrectionCommand::undo()
{
    undoCorrection(m_meter, m_change);
    m_shown();
}

RenameCommand::RenameCommand(MeterCore& meter, std::function<void()> shown, const correction::Renamed& change)
    : CorrectionCommand(meter, std::move(shown), change,
                        translated("CorrectionCommands", QT_TRANSLATE_NOOP("CorrectionCommands", "Rename %1 to %2"))
                            .arg(brio::toQString(change.before), brio::toQString(change.after)))
{
}

RemoveCommand::RemoveCommand(MeterCore& meter, std::function<void()> shown, const correction::Removed& change)
    : CorrectionCommand(meter, std::move(shown), change,
                        translated("CorrectionCommands", QT_TRANSLATE_NOOP("CorrectionCommands", "Remove %1"))
                            .arg(nameOf(change)))
{
}

MeasureAgainCommand::MeasureAgainCommand(MeterCore& meter, std::function<void()> shown, const correction::Remeasured& change,
                                         const QString& name)
    : CorrectionCommand(meter, std::move(shown), change,
                        translated("CorrectionCommands", QT_TRANSLATE_NOOP("CorrectionCommands", "Measure Again %1"))
                            .arg(name))
{
}

ClearTableCommand::ClearTableCommand(MeterCore& meter, std::function<void()> shown, const correction::Removed& change)
    : CorrectionCommand(meter, std::move(shown), change,
                        translated("CorrectionCommands", QT_TRANSLATE_NOOP("CorrectionCommands", "Clear League Table")))
{
}
