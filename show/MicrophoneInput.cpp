// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/MicrophoneInput.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const char kModuleFolder[] = "../lib/ovatron";
const char kModuleFile[] = "libovatron_sound.so";

}  // namespace

QString soundModulePath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("%1/%2").arg(QLatin1String(kModuleFolder),
                                                      QLatin1String(kModuleFile)));
}

std::unique_ptr<MicrophoneInput> MicrophoneInput::load(QString& error)
{
    return load(soundModulePath(), error);
}

std::unique_ptr<MicrophoneInput> MicrophoneInput::load(const QString& modulePath, QString& error)
{
    // Loaded once and kept: unloading Qt Multimedia while the process runs is not safe.
    QLibrary module(modulePath);
    const auto make =
        reinterpret_cast<audio::MakeSoundInput>(module.resolve(audio::kMakeSoundInputSymbol));
    if (make == nullptr) {
        error = QCoreApplication::translate("MicrophoneInput",
                                            "The microphone's module cannot be loaded: %1")
                    .arg(module.errorString());
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
