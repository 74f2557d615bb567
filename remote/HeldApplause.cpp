// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/HeldApplause.h"

void HeldApplause::hear(std::uint64_t holder, bool down)
{
    if (!down) {
        forget(holder);
        return;
    }
    auto& silence = m_holds[holder];
    const bool began = !silence;
    if (began) {
        silence = std::make_unique<QTimer>(this);
        silence->setSingleShot(true);
        silence->setInterval(kSilenceMs);
        connect(silence.get(), &QTimer::timeout, this, [this, holder]() { forget(holder); });
    }
    silence->start();
    if (began)
        emit changed(holder, true);
}

void HeldApplause::forget(std::uint64_t holder)
{
    const auto held = m_holds.find(holder);
    if (held == m_holds.end())
        return;
    // The timer may be the one whose timeout called this: it goes once that has returned.
    held->second.release()->deleteLater();
    m_holds.erase(held);
    emit changed(holder, false);
}
