// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/MicrophoneSettings.h"

#include <QDialog>

namespace brio {
class BRAppConfig;
}
class MicrophoneInput;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

// Edit > Microphone...: the input device, a live level bar on the calibration being set up,
// "Measure the Room" for the floor, the range and the turn length. A measured floor is stored at once (the
// room was measured, whatever else the operator decides); OK stores the device, the range
// and the turn length, Cancel leaves them as they were.
class MicrophoneDialog : public QDialog {
    Q_OBJECT
public:
    // The input must be listening (to a device, or to the file named by audioFile, which then
    // stands in for the device list) and, like the store, outlive the dialog.
    MicrophoneDialog(MicrophoneInput& input, brio::BRAppConfig& settings,
                     const QString& audioFile, QWidget* parent = nullptr);

    audio::MicrophoneCalibration calibration() const;
    QPushButton* measureButton() const { return m_measure; }
    QProgressBar* levelBar() const { return m_level; }
    QSpinBox* rangeBox() const { return m_range; }
    QComboBox* deviceBox() const { return m_devices; }
    QSpinBox* turnLengthBox() const { return m_turnSeconds; }

public slots:
    void accept() override;

private:
    void fillDevices(const QString& storedId, const QString& audioFile);
    void listenToChosenDevice();
    void measureRoom();
    void takeFloor(double floorLufs);
    void showFloor();
    void showLevel();

    MicrophoneInput& m_input;
    brio::BRAppConfig& m_settings;
    double m_floor;
    QComboBox* m_devices;
    QProgressBar* m_level;
    QLabel* m_floorText;
    QLabel* m_status;
    QPushButton* m_measure;
    QSpinBox* m_range;
    int m_storedTurnSeconds;
    QSpinBox* m_turnSeconds;
};
