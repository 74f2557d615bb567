// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>

// A window that repaints all of itself on every tick, with a new colour each time: what
// a full repaint costs in Qt with nothing else going on.
class BareWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kFrameInterval{20};

    explicit BareWindow(QWidget* parent = nullptr);

    quint64 framesPainted() const { return m_framesPainted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    quint64 m_frame = 0;
    quint64 m_framesPainted = 0;
};
