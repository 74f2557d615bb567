// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/CorrectionCommands.h"

#include "brio/BRStringQt.h"
#include "widgets/MeterView.h"

#include <QCoreApplication>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("CorrectionCommands", text);
}

QString nameOf(const correction::Removed& change)
{
    return change.entries.empty() ? QString() : brio::toQString(change.entries.front().name);
}

}  // namespace

CorrectionCommand::CorrectionCommand(MeterView& view, Correction change, const QString& text)
    : m_view(view), m_change(std::move(change))
{
    setText(text);
}

void CorrectionCommand::redo()
{
    if (std::exchange(m_made, false))
        return;
    redoCorrection(m_view.meter(), m_change);
    m_view.showChanges();
}

void CorrectionCommand::undo()
{
    undoCorrection(m_view.meter(), m_change);
    m_view.showChanges();
}

RenameCommand::RenameCommand(MeterView& view, const correction::Renamed& change)
    : CorrectionCommand(view, change,
                        translated(QT_TRANSLATE_NOOP("CorrectionCommands", "Rename %1 to %2"))
                            .arg(brio::toQString(change.before), brio::toQString(change.after)))
{
}

RemoveCommand::RemoveCommand(MeterView& view, const correction::Removed& change)
    : CorrectionCommand(view, change,
                        translated(QT_TRANSLATE_NOOP("CorrectionCommands", "Remove %1"))
                            .arg(nameOf(change)))
{
}

MeasureAgainCommand::MeasureAgainCommand(MeterView& view, const correction::Remeasured& change,
                                         const QString& name)
    : CorrectionCommand(view, change,
                        translated(QT_TRANSLATE_NOOP("CorrectionCommands", "Measure Again %1"))
                            .arg(name))
{
}

ClearTableCommand::ClearTableCommand(MeterView& view, const correction::Removed& change)
    : CorrectionCommand(view, change,
                        translated(QT_TRANSLATE_NOOP("CorrectionCommands", "Clear League Table")))
{
}
