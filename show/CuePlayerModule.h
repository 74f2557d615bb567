// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/CuePlayer.h"

#include <QString>

#include <memory>

// Loads the sound module (once per process, as the microphone does) and makes a cue player
// that reports to events; none, with the reason in error, when the module cannot be loaded.
std::unique_ptr<audio::CuePlayer> loadCuePlayer(const QString& modulePath,
                                                audio::CueEvents events, QString& error);
