// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>

// The applause held down by show control's connections, each a holder of its own: a word
// from a holder keeps its hold for kSilenceMs more, and its release, its silence or its going
// ends that hold alone. Tells of each hold that begins or ends.
class HeldApplause : public QObject {
    Q_OBJECT
public:
    static constexpr int kSilenceMs = 2000;

    using QObject::QObject;

    // holder said "down" (true) or "up" (false).
    void hear(std::uint64_t holder, bool down);
    // holder's connection is gone: its hold goes with it.
    void forget(std::uint64_t holder);

signals:
    void changed(std::uint64_t holder, bool down);

private:
    std::map<std::uint64_t, std::unique_ptr<QTimer>> m_holds;  // each with its silence
};
