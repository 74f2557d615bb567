// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>

// What the bare window redraws on every tick.
enum class BareRepaint {
    Full,   // all of itself, in a new colour: what a full repaint costs in Qt
    Patch,  // one marker-sized patch with a number: the least a program that changes a few
            // pixels every tick pays to Qt and the X server
};

// A window that repaints on every tick with nothing else going on.
class BareWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kFrameInterval{20};

    explicit BareWindow(BareRepaint repaint = BareRepaint::Full, QWidget* parent = nullptr);

    quint64 framesPainted() const { return m_framesPainted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BareRepaint m_repaint;
    QTimer m_timer;
    quint64 m_frame = 0;
    quint64 m_framesPainted = 0;
};
