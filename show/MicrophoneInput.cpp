// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/MicrophoneInput.h"

#include "show/ModuleFile.h"

#include <QCoreApplication>

QString soundModulePath()
{
    return moduleFilePath("libovatron_sound.so");
}

std::unique_ptr<MicrophoneInput> MicrophoneInput::load(QString& error)
{
    return load(soundModulePath(), error);
}

std::unique_ptr<MicrophoneInput> MicrophoneInput::load(const QString& modulePath, QString& error)
{
    QString reason;
    const auto make =
        moduleEntryOf<audio::MakeSoundInput>(modulePath, audio::kMakeSoundInputSymbol, reason);
    if (make == nullptr) {
        error = QCoreApplication::translate("MicrophoneInput",
                                            "The microphone's module cannot be loaded: %1")
                    .arg(reason);
        return nullptr;
    }
    return std::unique_ptr<MicrophoneInput>(new MicrophoneInput(make));
}

MicrophoneInput::MicrophoneInput(audio::MakeSoundInput make)
{
    audio::SoundEvents events;
    events.failed = [this](const QString& message) { emit failed(message); };
    events.resumed = [this](const QString& message) { emit resumed(message); };
    events.floorMeasured = [this](double floorLufs) { emit floorMeasured(floorLufs); };
    m_input.reset(make(std::move(events)));
}

MicrophoneInput::~MicrophoneInput() = default;
