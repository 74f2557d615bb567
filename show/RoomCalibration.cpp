// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/RoomCalibration.h"

#include "audio/RoomLevel.h"

#include <QCoreApplication>

#include <algorithm>

QStringList roomCalibrationWarnings(const QStringList& places,
                                    const std::vector<std::vector<double>>& loudnessPerMicrophone)
{
    QStringList warnings;
    std::vector<std::vector<double>> heard;
    std::vector<qsizetype> heardPlaces;
    for (std::size_t i = 0; i < loudnessPerMicrophone.size(); ++i) {
        const std::vector<double>& readings = loudnessPerMicrophone[i];
        // Written so that NaN, which a dead input may give, counts as silence.
        const bool silent = std::none_of(readings.begin(), readings.end(), [](double lufs) {
            return lufs >= kSilentMicrophoneLufs;
        });
        if (silent) {
            warnings.append(QCoreApplication::translate(
                                "RoomCalibration",
                                "The microphone at \"%1\" heard nothing: is it plugged in and "
                                "switched on?")
                                .arg(places.value(qsizetype(i))));
        } else {
            heard.push_back(readings);
            heardPlaces.push_back(qsizetype(i));
        }
    }
    if (const std::optional<std::size_t> loud = audio::microphoneAboveTheOthers(heard))
        warnings.append(QCoreApplication::translate(
                            "RoomCalibration",
                            "The microphone at \"%1\" read more than %2 LU above the others the "
                            "whole time: it may stand next to a loudspeaker or a noisy spot.")
                            .arg(places.value(heardPlaces[*loud]))
                            .arg(audio::kCalibrationOutlierLu));
    return warnings;
}
