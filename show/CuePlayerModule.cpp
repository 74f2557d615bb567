// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/CuePlayerModule.h"

#include "show/ModuleFile.h"

#include <QCoreApplication>

std::unique_ptr<audio::CuePlayer> loadCuePlayer(const QString& modulePath,
                                                audio::CueEvents events, QString& error)
{
    QString reason;
    const auto make =
        moduleEntryOf<audio::MakeCuePlayer>(modulePath, audio::kMakeCuePlayerSymbol, reason);
    if (make == nullptr) {
        error = QCoreApplication::translate("CueDirector",
                                            "The sound cues' module cannot be loaded: %1")
                    .arg(reason);
        return nullptr;
    }
    return std::unique_ptr<audio::CuePlayer>(make(std::move(events)));
}
