// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/InputDevice.h"
#include "audio/MicrophoneSettings.h"

#include <QList>
#include <QString>

#include <functional>

// The microphone as the windows see it. Its code, with Qt Multimedia and the sound server's
// libraries, is a module of its own (libovatron_sound.so), loaded the first time a microphone
// is wanted: a show measured with the keyboard never pays for it in memory or start time.
// Hence plain C++ here: no Qt Multimedia type, and reports arrive through SoundEvents.
namespace audio {

// What the input reports, on the thread that made it (see AudioInput's signals).
struct SoundEvents {
    std::function<void(const QString& message)> failed;
    std::function<void(const QString& message)> resumed;
    std::function<void(double floorLufs)> floorMeasured;
};

// audio::AudioInput behind an interface; see there for what each call does.
class SoundInput {
public:
    virtual ~SoundInput() = default;

    virtual QList<InputDevice> devices() const = 0;
    virtual void startDevice(const QString& deviceId, const MicrophoneCalibration& calibration) = 0;
    virtual void startFile(const QString& path, const MicrophoneCalibration& calibration) = 0;
    virtual void stop() = 0;
    virtual void setCalibration(const MicrophoneCalibration& calibration) = 0;
    virtual bool measureFloor() = 0;
    virtual bool isLive() const = 0;
    virtual int level() const = 0;
    virtual double loudnessLufs() const = 0;
};

// The module's one entry point, by this name: a new input that reports to events. The
// caller owns it and deletes it before unloading the module.
using MakeSoundInput = SoundInput* (*)(SoundEvents events);
inline constexpr char kMakeSoundInputSymbol[] = "ovatronMakeSoundInput";

}  // namespace audio
