// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/CuePlayerModule.h"

#include <QCoreApplication>
#include <QLibrary>

std::unique_ptr<audio::CuePlayer> loadCuePlayer(const QString& modulePath,
                                                audio::CueEvents events, QString& error)
{
    // Loaded once and kept: unloading Qt Multimedia while the process runs is not safe.
    QLibrary module(modulePath);
    const auto make =
        reinterpret_cast<audio::MakeCuePlayer>(module.resolve(audio::kMakeCuePlayerSymbol));
    if (make == nullptr) {
        error = QCoreApplication::translate("CueDirector",
                                            "The sound cues' module cannot be loaded: %1")
                    .arg(module.errorString());
        return nullptr;
    }
    return std::unique_ptr<audio::CuePlayer>(make(std::move(events)));
}
