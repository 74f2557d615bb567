// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <functional>

// The sound cues' player as the show sees it: the module's second entry point beside the
// microphone's (see SoundInput.h), loaded the first time a cue is wanted. Plain C++ here: no
// Qt Multimedia type.
namespace audio {

// The cues, in the order of the program's own list (core/cues/Cue.h).
enum class CueSound { DrumRoll, Fanfare, Buzzer, Sting };

// A loudspeaker output the system offers, named as the settings store it.
struct OutputDevice {
    QString id;           // stored as "CueDevice"
    QString description;  // what the operator sees
    bool isDefault = false;
};

// What the player reports, on the thread that made it.
struct CueEvents {
    // A cue could not play (no device, the device went away): once until one plays again.
    std::function<void(const QString& message)> failed;
};

class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    virtual QList<OutputDevice> devices() const = 0;
    // The output (empty: the system's default) and the volume (0..100, as heard: 50 sounds
    // half as loud as 100), for every cue that starts from now on.
    virtual void setOutput(const QString& deviceId, int volumePercent) = 0;
    // The sound of a cue from now on: the WAV file at path, or the project's own for an empty
    // path. Answers why the file cannot be a cue (the cue keeps the project's own then), or
    // nothing when it took the file.
    virtual QString setSound(CueSound cue, const QString& path) = 0;
    // Why the WAV file at path cannot be a cue, or nothing when it can; changes nothing.
    virtual QString checkFile(const QString& path) const = 0;

    // The drum roll, over and over until stopRoll; a roll already sounding goes on.
    virtual void startRoll() = 0;
    virtual void stopRoll() = 0;
    // One cue, once, after the cues started before it have finished (a cue already waiting
    // is not queued twice).
    virtual void play(CueSound cue) = 0;
    // Silence at once: the roll, the cue sounding and those waiting.
    virtual void stopAll() = 0;
    // Whether anything sounds or waits to.
    virtual bool isSounding() const = 0;
};

// The module's entry point for cues, by this name: a new player that reports to events. The
// caller owns it and deletes it before unloading the module.
using MakeCuePlayer = CuePlayer* (*)(CueEvents events);
inline constexpr char kMakeCuePlayerSymbol[] = "ovatronMakeCuePlayer";

}  // namespace audio
