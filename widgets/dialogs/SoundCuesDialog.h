// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/CueSettings.h"

#include <QDialog>

#include <array>

class Show;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

// View > Sound Cues...: cues on or off, the loudspeaker output, the volume, and for each cue
// "Try", a WAV file of the operator's in place of the project's own, or the project's own
// again. A file the player cannot take is named in a message and the cue keeps its sound.
class SoundCuesDialog : public QDialog {
    Q_OBJECT
public:
    SoundCuesDialog(const CueSettings& settings, Show& show, QWidget* parent = nullptr);

    // What the operator set.
    CueSettings settings() const;
    QLabel* message() const { return m_message; }
    QLabel* fileLabel(Cue cue) const { return m_files[static_cast<std::size_t>(cueIndex(cue))]; }

    // Plays the cue as set in the dialog now.
    void tryCue(Cue cue);
    // The WAV file at path for the cue, if the player can take it; otherwise a message, and
    // the cue keeps what it had.
    void takeFile(Cue cue, const QString& path);
    // The project's own sound for the cue again.
    void useOwn(Cue cue);

private:
    void chooseFile(Cue cue);
    void showFile(Cue cue);

    Show& m_show;
    CueSettings m_settings;  // the files chosen; the rest is read off the controls
    QCheckBox* m_on;
    QComboBox* m_device;
    QSlider* m_volume;
    QLabel* m_volumeText;
    std::array<QLabel*, kAllCues.size()> m_files{};
    QLabel* m_message;
};

// The cue's name as the operator reads it.
QString cueName(Cue cue);
