// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OperatorStrip.h"

#include "core/Translated.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

namespace {

// As many waiting names as a strip can show at a glance.
constexpr int kNamesShown = 5;

QString stateText(const MeterCore& meter)
{
    if (!meter.useLeagueTable())
        return translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Meter running (no league table)"));
    switch (meter.state()) {
    case MeterState::NameEntry:
        return translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Name entry"));
    case MeterState::Measuring:
        return translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Measuring"));
    case MeterState::Summary:
        return translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Summary screen"));
    }
    return QString();
}

}  // namespace

QString operatorStripText(const MeterCore& meter, bool winnersShowing)
{
    const brio::BRStringArray& waiting = meter.preloadList();
    QStringList names;
    const int count = static_cast<int>(std::min<std::uint64_t>(waiting.size(), kNamesShown + 1));
    for (int index = 0; index < count && index < kNamesShown; ++index)
        names << brio::toQString(waiting[index]);
    if (count > kNamesShown)
        names << QStringLiteral("…");
    const QString next = names.isEmpty()
                             ? translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Next: nobody waiting"))
                             : translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Next: %1"))
                                   .arg(names.join(QStringLiteral(", ")));
    const QString state = winnersShowing
        ? translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "The winners are showing (Esc ends them)"))
        : stateText(meter);
    return state + QStringLiteral("  ·  ") + next;
}

OperatorStrip::OperatorStrip(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("operatorStrip"));
    setTextFormat(Qt::PlainText);
    setMargin(4);
}

QString markingStripText(const std::vector<MeterSession::OpenMarking>& marking)
{
    QStringList open;
    for (const MeterSession::OpenMarking& one : marking)
        open << translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "%1 %2 of %3"))
                    .arg(one.name)
                    .arg(one.markedBy.size())
                    .arg(one.judges);
    if (open.isEmpty())
        return QString();
    return translated("OperatorStrip", QT_TRANSLATE_NOOP("OperatorStrip", "Marked: %1"))
        .arg(open.join(QStringLiteral(", ")));
}

void OperatorStrip::showMeter(const MeterCore& meter, bool winnersShowing,
                              const std::vector<MeterSession::OpenMarking>& marking)
{
    const QString jury = markingStripText(marking);
    setText(jury.isEmpty() ? operatorStripText(meter, winnersShowing)
                           : operatorStripText(meter, winnersShowing) + QStringLiteral("  ·  ") + jury);
}
