// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/TurnDetailsDialog.h"

#include "brio/BRStringQt.h"
#include "show/MeterSession.h"
#include "widgets/dialogs/CurvePlot.h"

#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString seconds(double value)
{
    return TurnDetailsDialog::tr("%1 s").arg(QLocale().toString(value, 'f', 1));
}

QString inputText(const CurveSource& source)
{
    if (!source.microphone)
        return TurnDetailsDialog::tr("Keyboard");
    if (source.inputName.empty())
        return TurnDetailsDialog::tr("Microphone (the system's default)");
    return TurnDetailsDialog::tr("Microphone: %1").arg(brio::toQString(source.inputName));
}

QString roomText(const CurveSource& source)
{
    if (!source.microphone)
        return TurnDetailsDialog::tr("Not used (the keyboard measured)");
    return TurnDetailsDialog::tr("Floor %1 LUFS, range %2 LU")
        .arg(QLocale().toString(source.floorLufs, 'f', 1))
        .arg(QLocale().toString(source.rangeLu, 'f', 0));
}

// A microphone of the turn: where it stood, what it was, and how long it heard.
QString microphoneText(const MicrophoneLine& line, std::size_t readings)
{
    const QString place = line.microphone.place.empty() ? TurnDetailsDialog::tr("Microphone")
                                                        : brio::toQString(line.microphone.place);
    const QString input = line.microphone.inputName.empty()
                              ? TurnDetailsDialog::tr("the system's default")
                              : brio::toQString(line.microphone.inputName);
    const QString what = TurnDetailsDialog::tr("%1: %2, floor %3 LUFS")
                             .arg(place, input, QLocale().toString(line.microphone.floorLufs, 'f', 1));
    if (line.heard == 0)
        return TurnDetailsDialog::tr("%1; it did not hear the room").arg(what);
    const double heard = double(line.heard) / curve::kReadingsPerSecond;
    if (line.stoppedAfter && std::abs(*line.stoppedAfter - heard) < 1e-9)
        return TurnDetailsDialog::tr("%1; stopped after %2").arg(what, seconds(*line.stoppedAfter));
    if (line.heard < readings)
        return TurnDetailsDialog::tr("%1; heard %2 of the turn").arg(what, seconds(heard));
    return what;
}

}  // namespace

TurnDetailsDialog::TurnDetailsDialog(const RowCurves& row, QWidget* parent)
    : QDialog(parent),
      m_name(new QLabel(this)),
      m_turns(new QComboBox(this)),
      m_plot(new CurvePlot(this)),
      m_score(new QLabel(this)),
      m_markedCaption(new QLabel(this)),
      m_marked(new QLabel(this)),
      m_length(new QLabel(this)),
      m_loudest(new QLabel(this)),
      m_input(new QLabel(this)),
      m_room(new QLabel(this)),
      m_microphones(new QLabel(this)),
      m_form(new QFormLayout)
{
    setWindowTitle(tr("Turn Details"));
    QFont heading = m_name->font();
    heading.setBold(true);
    m_name->setFont(heading);
    m_input->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_microphones->setTextFormat(Qt::RichText);

    QFormLayout* form = m_form;
    form->addRow(tr("&Turn:"), m_turns);
    form->addRow(tr("Score:"), m_score);
    form->addRow(m_markedCaption, m_marked);
    form->addRow(tr("Length:"), m_length);
    form->addRow(tr("Loudest moment:"), m_loudest);
    form->addRow(tr("Input:"), m_input);
    form->addRow(tr("Room:"), m_room);
    form->addRow(tr("Microphones:"), m_microphones);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_name);
    column->addWidget(m_plot, 1);
    column->addLayout(form);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_turns, &QComboBox::currentIndexChanged, this, &TurnDetailsDialog::showTurn);

    showRow(row);
    // The latest turn first: the one that made the score, or the one under way.
    chooseTurn(m_turns->count() - 1);
}

void TurnDetailsDialog::showRow(const RowCurves& row)
{
    const bool sameTurns = row.curves.size() == m_row.curves.size() && row.underWay == m_row.underWay;
    m_row = row;
    const int count = int(m_row.curves.size());
    const int chosen = m_turns->currentIndex();
    // While a turn grows, only its readings change: the choice is left as it is.
    if (!sameTurns || m_turns->count() != count) {
        const QSignalBlocker quiet(m_turns);
        m_turns->clear();
        for (int index = 0; index < count; ++index) {
            const bool underWay = m_row.underWay && index == count - 1;
            m_turns->addItem(underWay ? tr("Turn %1 of %2, under way").arg(index + 1).arg(count)
                                      : tr("Turn %1 of %2").arg(index + 1).arg(count));
        }
        m_turns->setCurrentIndex(chosen >= 0 && chosen < count ? chosen : count - 1);
    }
    m_turns->setEnabled(count > 1);
    m_name->setText(brio::toQString(m_row.name));
    m_score->setText(QString::number(m_row.score));
    showTurn();
}

void TurnDetailsDialog::chooseTurn(int index)
{
    m_turns->setCurrentIndex(index);
}

void TurnDetailsDialog::showTurn()
{
    const int chosen = m_turns->currentIndex();
    m_plot->setCurves(m_row.curves, chosen);
    if (chosen < 0)
        return;
    const TurnCurve& curve = m_row.curves[std::size_t(chosen)];
    m_markedCaption->setText(curve.source.microphone ? tr("Held level:") : tr("Highest level:"));
    m_marked->setText(QString::number(markedLevel(curve)));
    m_length->setText(seconds(curveSeconds(curve.readings)));
    const std::optional<LoudestMoment> loudest = loudestMoment(curve.readings);
    m_loudest->setText(loudest ? tr("%1 after %2").arg(loudest->level).arg(seconds(loudest->seconds))
                               : tr("None yet"));
    m_input->setText(inputText(curve.source));
    m_room->setText(roomText(curve.source));
    showMicrophones(curve);
}

void TurnDetailsDialog::showMicrophones(const TurnCurve& curve)
{
    const std::vector<MicrophoneLine> lines = microphoneLines(curve);
    m_form->setRowVisible(m_microphones, !lines.empty());
    m_microphoneTexts.clear();
    QStringList shown;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const QString text = microphoneText(lines[index], curve.readings.size());
        m_microphoneTexts.append(text);
        // Several have their curves in the plot, each in the colour before its text.
        const QString swatch = lines.size() > 1
            ? QStringLiteral("<span style=\"color:%1\">&#9632;</span> ")
                  .arg(QColor(curveplot::microphoneColour(index)).name())
            : QString();
        shown.append(swatch + text.toHtmlEscaped());
    }
    m_microphones->setText(shown.join(QStringLiteral("<br>")));
}

QStringList TurnDetailsDialog::figures() const
{
    return {m_score->text(), m_marked->text(), m_length->text(),
            m_loudest->text(), m_input->text(), m_room->text()};
}

void showTurnDetails(MeterSession& session, QWidget* parent)
{
    const std::optional<RowCurves> row = rowCurves(session.meter(), session.meter().correctionRow());
    if (!row)
        return;
    TurnDetailsDialog dialog(*row, parent);
    // A turn under way goes on growing while the dialog is open.
    const std::int64_t order = row->order;
    QObject::connect(&session, &MeterSession::displayChanged, &dialog, [&session, &dialog, order]() {
        const MeterCore& meter = session.meter();
        if (const std::optional<RowCurves> now = rowCurves(meter, meter.leagueTable().rowOf(order)))
            dialog.showRow(*now);
    });
    dialog.exec();
}
