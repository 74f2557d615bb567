// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/SoundCuesDialog.h"

#include "show/Show.h"
#include "widgets/dialogs/DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kFileColumnWidthUnits = 120;
constexpr int kVolumeStep = 5;

enum Column { NameColumn, FileColumn, TryColumn, ChooseColumn, OwnColumn };

}  // namespace

QString cueName(Cue cue)
{
    switch (cue) {
    case Cue::DrumRoll: return SoundCuesDialog::tr("Drum roll");
    case Cue::Fanfare: return SoundCuesDialog::tr("Fanfare");
    case Cue::Buzzer: return SoundCuesDialog::tr("Buzzer");
    case Cue::Sting: return SoundCuesDialog::tr("Sting");
    }
    return {};
}

SoundCuesDialog::SoundCuesDialog(const CueSettings& settings, Show& show,
                                 QWidget* parent)
    : QDialog(parent, kModalFrameFlags),
      m_show(show),
      m_settings(settings),
      m_on(new QCheckBox(tr("&Play sound cues"), this)),
      m_device(new QComboBox(this)),
      m_volume(new QSlider(Qt::Horizontal, this)),
      m_volumeText(new QLabel(this)),
      m_message(new QLabel(this))
{
    setWindowTitle(tr("Sound Cues"));
    m_on->setChecked(settings.on);
    m_device->addItem(tr("The system's default"), QString());
    if (const audio::CuePlayer* player = show.cues().player()) {
        for (const audio::OutputDevice& device : player->devices())
            m_device->addItem(device.description, device.id);
    }
    if (!settings.deviceId.isEmpty() && m_device->findData(settings.deviceId) < 0)
        m_device->addItem(tr("%1 (not connected)").arg(settings.deviceId), settings.deviceId);
    m_device->setCurrentIndex(std::max(0, m_device->findData(settings.deviceId)));
    m_volume->setRange(kMinimumCueVolume, kMaximumCueVolume);
    m_volume->setPageStep(kVolumeStep);
    m_volume->setValue(settings.volume);
    m_message->setWordWrap(true);

    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(m_volume, 1);
    volumeRow->addWidget(m_volumeText);
    auto* form = new QFormLayout;
    form->addRow(m_on);
    form->addRow(tr("&Output:"), m_device);
    form->addRow(tr("&Volume:"), volumeRow);

    auto* cues = new QGridLayout;
    for (const Cue cue : kAllCues) {
        const int row = cueIndex(cue);
        auto* file = new QLabel(this);
        file->setMinimumWidth(dialogUnitsToPixels(kFileColumnWidthUnits));
        m_files[static_cast<std::size_t>(row)] = file;
        auto* tryButton = new QPushButton(tr("Try"), this);
        auto* chooseButton = new QPushButton(tr("WAV File..."), this);
        auto* ownButton = new QPushButton(tr("Own Sound"), this);
        tryButton->setToolTip(tr("Plays the %1 as set here").arg(cueName(cue)));
        cues->addWidget(new QLabel(cueName(cue), this), row, NameColumn);
        cues->addWidget(file, row, FileColumn);
        cues->addWidget(tryButton, row, TryColumn);
        cues->addWidget(chooseButton, row, ChooseColumn);
        cues->addWidget(ownButton, row, OwnColumn);
        connect(tryButton, &QPushButton::clicked, this, [this, cue]() { tryCue(cue); });
        connect(chooseButton, &QPushButton::clicked, this, [this, cue]() { chooseFile(cue); });
        connect(ownButton, &QPushButton::clicked, this, [this, cue]() { useOwn(cue); });
        showFile(cue);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(cues);
    layout->addWidget(new QLabel(tr("No cue plays while the microphone measures a turn."), this));
    layout->addWidget(m_message);
    layout->addWidget(buttons);

    const auto showVolume = [this](int volume) { m_volumeText->setText(tr("%1 %").arg(volume)); };
    showVolume(m_volume->value());
    connect(m_volume, &QSlider::valueChanged, this, showVolume);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CueSettings SoundCuesDialog::settings() const
{
    CueSettings chosen = m_settings;
    chosen.on = m_on->isChecked();
    chosen.deviceId = m_device->currentData().toString();
    chosen.volume = m_volume->value();
    return chosen;
}

void SoundCuesDialog::tryCue(Cue cue)
{
    m_message->setText(m_show.cues().tryCue(cue, settings()));
}

void SoundCuesDialog::chooseFile(Cue cue)
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("%1: WAV File").arg(cueName(cue)), QFileInfo(m_settings.fileOf(cue)).path(),
        tr("WAV files (*.wav);;All files (*)"));
    if (!path.isEmpty())
        takeFile(cue, path);
}

void SoundCuesDialog::takeFile(Cue cue, const QString& path)
{
    const audio::CuePlayer* player = m_show.cues().player();
    const QString problem =
        player != nullptr ? player->checkFile(path) : tr("The sound cues' module cannot be loaded.");
    if (!problem.isEmpty()) {
        m_message->setText(tr("%1 The %2 keeps its sound.").arg(problem, cueName(cue)));
        return;
    }
    m_settings.fileOf(cue) = path;
    m_message->clear();
    showFile(cue);
}

void SoundCuesDialog::useOwn(Cue cue)
{
    m_settings.fileOf(cue).clear();
    m_message->clear();
    showFile(cue);
}

void SoundCuesDialog::showFile(Cue cue)
{
    const QString& path = m_settings.fileOf(cue);
    QLabel* label = fileLabel(cue);
    label->setText(path.isEmpty() ? tr("Ovatron's own") : QFileInfo(path).fileName());
    label->setToolTip(path);
}
