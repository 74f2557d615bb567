// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/MicrophoneSettings.h"
#include "core/settings/MicrophoneSettings.h"

#include <QDialog>
#include <QList>

class MicrophoneInput;
class MicrophoneSource;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// Edit > Microphone...: the input device, a live level bar on the calibration being set up,
// "Measure the Room" for the floor, the range and the turn length. It writes no setting: a
// measured floor is announced at once (floorMeasured: the room was measured, whatever else
// the operator decides); on OK the caller takes the device, the range and the turn length
// from choice().
class MicrophoneDialog : public QDialog {
    Q_OBJECT
public:
    // The input must be listening (to a device, or to the file named by audioFile, which then
    // stands in for the device list) and outlive the dialog. The dialog starts from the stored
    // settings and turn length.
    // With a room of several microphones (room, which must outlive the dialog), each shows
    // its place and live level, and all can be measured at once.
    MicrophoneDialog(MicrophoneInput& input, const MicrophoneConfig& stored, int turnSeconds,
                     const QString& audioFile, QWidget* parent = nullptr,
                     MicrophoneSource* room = nullptr);

    audio::MicrophoneCalibration calibration() const;
    // What the operator set: the device unless a file stands in, the range, and the turn
    // length if it is not the one the dialog started from.
    MicrophoneChoice choice() const;
    QPushButton* measureButton() const { return m_measure; }
    QProgressBar* levelBar() const { return m_level; }
    QSpinBox* rangeBox() const { return m_range; }
    QComboBox* deviceBox() const { return m_devices; }
    QSpinBox* turnLengthBox() const { return m_turnSeconds; }
    // The room's "Measure All" button, and each microphone's bar; none for one microphone.
    QPushButton* measureAllButton() const { return m_measureAll; }
    const QList<QProgressBar*>& roomBars() const { return m_roomBars; }
    QLabel* statusLabel() const { return m_status; }
    // The dialog was closed by "Start a Duel...", with what it set taken as on OK: the caller
    // asks for the duel's sides next.
    bool duelWanted() const { return m_duelWanted; }

signals:
    // The room was measured: this floor, to a tenth of a LU.
    void floorMeasured(double floorLufs);

private:
    void fillDevices(const QString& storedId, const QString& audioFile);
    void listenToChosenDevice();
    void measureRoom();
    void takeFloor(double floorLufs);
    void showFloor();
    void showLevel();
    void addRoom(QVBoxLayout* column);
    void measureAll();
    void takeRoom(const QStringList& warnings);

    MicrophoneInput& m_input;
    double m_floor;
    QComboBox* m_devices;
    QProgressBar* m_level;
    QLabel* m_floorText;
    QLabel* m_status;
    QPushButton* m_measure;
    QSpinBox* m_range;
    int m_storedTurnSeconds;
    QSpinBox* m_turnSeconds;
    MicrophoneSource* m_room = nullptr;
    QPushButton* m_measureAll = nullptr;
    QList<QProgressBar*> m_roomBars;
    QList<QLabel*> m_roomPlaces;
    bool m_duelWanted = false;
    bool m_measuringAll = false;  // the room's floors are the source's to store
};
