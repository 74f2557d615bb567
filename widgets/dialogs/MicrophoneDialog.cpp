// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/MicrophoneDialog.h"

#include "audio/LoudnessMapping.h"
#include "show/MicrophoneInput.h"
#include "show/MicrophoneSource.h"
#include "show/RoomCalibration.h"
#include "widgets/dialogs/TurnLengthDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The live bar follows the room about as often as the eye can tell.
constexpr int kLevelRefreshMs = 50;
constexpr int kDialogMinimumWidth = 420;

}  // namespace

MicrophoneDialog::MicrophoneDialog(MicrophoneInput& input, const MicrophoneConfig& stored,
                                   int turnSeconds, const QString& audioFile, QWidget* parent,
                                   MicrophoneSource* room)
    : QDialog(parent),
      m_input(input),
      m_floor(stored.calibration.floorLufs),
      m_devices(new QComboBox(this)),
      m_level(new QProgressBar(this)),
      m_floorText(new QLabel(this)),
      m_status(new QLabel(this)),
      m_measure(new QPushButton(tr("Measure the &Room"), this)),
      m_range(new QSpinBox(this)),
      m_storedTurnSeconds(turnSeconds),
      m_turnSeconds(makeTurnLengthBox(m_storedTurnSeconds, this)),
      m_room(room != nullptr && room->places().size() > 1 ? room : nullptr)
{
    setWindowTitle(tr("Microphone"));
    setMinimumWidth(kDialogMinimumWidth);

    fillDevices(stored.deviceId, audioFile);
    m_level->setRange(audio::kLevelMinimum, audio::kLevelMaximum);
    m_level->setTextVisible(false);
    m_range->setRange(kMinimumRangeLu, kMaximumRangeLu);
    m_range->setValue(static_cast<int>(stored.calibration.rangeLu));
    m_range->setSuffix(tr(" LU"));
    m_status->setWordWrap(true);

    auto* floorRow = new QHBoxLayout;
    floorRow->addWidget(m_floorText, 1);
    floorRow->addWidget(m_measure);
    auto* form = new QFormLayout;
    form->addRow(tr("&Input:"), m_devices);
    form->addRow(tr("Level:"), m_level);
    form->addRow(tr("Room:"), floorRow);
    form->addRow(tr("R&ange above the room:"), m_range);
    form->addRow(tr("&Turn length:"), m_turnSeconds);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // What the calibration is for, in the operator's words.
    auto* scoreMeaning = new QLabel(
        tr("A contestant's score is the loudness the room held for three seconds of the "
           "turn, so a single scream cannot win."),
        this);
    scoreMeaning->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(scoreMeaning);
    column->addLayout(form);
    addRoom(column);
    column->addWidget(m_status);
    column->addWidget(buttons);
    showFloor();

    connect(buttons, &QDialogButtonBox::accepted, this, &MicrophoneDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MicrophoneDialog::reject);
    connect(m_measure, &QPushButton::clicked, this, &MicrophoneDialog::measureRoom);
    connect(m_devices, &QComboBox::activated, this, &MicrophoneDialog::listenToChosenDevice);
    connect(&m_input, &MicrophoneInput::floorMeasured, this, &MicrophoneDialog::takeFloor);
    connect(&m_input, &MicrophoneInput::failed, m_status, &QLabel::setText);
    connect(&m_input, &MicrophoneInput::resumed, m_status, &QLabel::setText);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MicrophoneDialog::showLevel);
    timer->start(kLevelRefreshMs);
}

audio::MicrophoneCalibration MicrophoneDialog::calibration() const
{
    return {m_floor, static_cast<double>(m_range->value())};
}

MicrophoneChoice MicrophoneDialog::choice() const
{
    MicrophoneChoice chosen;
    if (m_devices->isEnabled())
        chosen.deviceId = m_devices->currentData().toString();
    chosen.rangeLu = m_range->value();
    if (m_turnSeconds->value() != m_storedTurnSeconds)
        chosen.turnSeconds = m_turnSeconds->value();
    return chosen;
}

void MicrophoneDialog::fillDevices(const QString& storedId, const QString& audioFile)
{
    if (!audioFile.isEmpty()) {
        // The file stands in for every device while the program runs.
        m_devices->addItem(tr("Sound file %1").arg(QFileInfo(audioFile).fileName()), audioFile);
        m_devices->setEnabled(false);
        return;
    }
    m_devices->addItem(tr("The system's default"), QString());
    for (const audio::InputDevice& device : m_input.devices())
        m_devices->addItem(device.description, device.id);
    const int stored = m_devices->findData(storedId);
    if (stored >= 0) {
        m_devices->setCurrentIndex(stored);
    } else {
        // A stored device that is not plugged in now stays the choice until another is made.
        m_devices->addItem(tr("%1 (not connected)").arg(storedId), storedId);
        m_devices->setCurrentIndex(m_devices->count() - 1);
    }
}

void MicrophoneDialog::listenToChosenDevice()
{
    if (m_devices->isEnabled())
        m_input.startDevice(m_devices->currentData().toString(), calibration());
}

void MicrophoneDialog::measureRoom()
{
    if (!m_input.measureFloor()) {
        m_status->setText(tr("Nothing is heard: check the input and try again."));
        return;
    }
    m_measure->setEnabled(false);
    m_status->setText(tr("Listening to the room for 3 seconds: please keep quiet."));
}

void MicrophoneDialog::takeFloor(double floorLufs)
{
    if (m_measuringAll) {
        // Measured with the others: the source stores each floor, a silent one's not at all.
        if (floorLufs >= kSilentMicrophoneLufs)
            m_floor = audio::roundToTenth(floorLufs);
        showFloor();
        return;
    }
    m_floor = audio::roundToTenth(floorLufs);
    m_measure->setEnabled(true);
    m_status->setText(tr("The room is measured."));
    showFloor();
    emit floorMeasured(m_floor);
}

void MicrophoneDialog::showFloor()
{
    m_floorText->setText(tr("%1 LUFS").arg(QString::number(m_floor, 'f', 1)));
}

void MicrophoneDialog::showLevel()
{
    const int level =
        m_input.isLive() ? audio::levelForLoudness(m_input.loudnessLufs(), calibration()) : 0;
    m_level->setValue(level);
    if (!m_room)
        return;
    const std::vector<MicrophoneLevel> levels = m_room->microphoneLevels();
    for (qsizetype i = 0; i < m_roomBars.size(); ++i) {
        const bool live = std::size_t(i) < levels.size() && levels[std::size_t(i)].live;
        m_roomBars[i]->setValue(live ? levels[std::size_t(i)].level : 0);
        m_roomPlaces[i]->setEnabled(live);
    }
}

void MicrophoneDialog::addRoom(QVBoxLayout* column)
{
    if (!m_room)
        return;
    auto* group = new QGroupBox(tr("The room's microphones"), this);
    auto* rows = new QFormLayout(group);
    for (const QString& place : m_room->places()) {
        auto* bar = new QProgressBar(group);
        bar->setRange(audio::kLevelMinimum, audio::kLevelMaximum);
        bar->setTextVisible(false);
        auto* label = new QLabel(place, group);
        rows->addRow(label, bar);
        m_roomBars.append(bar);
        m_roomPlaces.append(label);
    }
    m_measureAll = new QPushButton(tr("Measure &All in a Quiet Room"), group);
    auto* duel = new QPushButton(tr("Start a &Duel..."), group);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_measureAll);
    buttons->addWidget(duel);
    rows->addRow(buttons);
    column->addWidget(group);
    connect(duel, &QPushButton::clicked, this, [this] {
        m_duelWanted = true;
        accept();
    });
    connect(m_measureAll, &QPushButton::clicked, this, &MicrophoneDialog::measureAll);
    connect(m_room, &MicrophoneSource::roomMeasured, this, &MicrophoneDialog::takeRoom);
}

void MicrophoneDialog::measureAll()
{
    if (!m_room->measureRoom()) {
        m_status->setText(tr("No microphone is heard: check the inputs and try again."));
        return;
    }
    m_measuringAll = true;
    m_measureAll->setEnabled(false);
    m_measure->setEnabled(false);
    m_status->setText(tr("Listening to the room for 3 seconds: please keep quiet."));
}

void MicrophoneDialog::takeRoom(const QStringList& warnings)
{
    m_measuringAll = false;
    m_measureAll->setEnabled(true);
    m_measure->setEnabled(true);
    m_status->setText(warnings.isEmpty() ? tr("Each microphone's floor is measured.")
                                         : warnings.join(QLatin1Char('\n')));
}
