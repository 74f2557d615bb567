// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DamageTally.h"
#include "XConnection.h"

#include <QString>
#include <QStringList>

#include <chrono>

struct StartResult {
    bool ok = false;
    QString error;  // why there is no figure, when !ok
    StartSummary summary;
};

// Starts the program and times, from just before it is started, the mapping of its first
// window and the first pixels drawn into it (which is when it can be seen). A window is
// the program's when its _NET_WM_PID names the started process. The program is ended
// (SIGTERM, then SIGKILL) before this returns, and when the probe itself dies.
StartResult timeFirstWindow(XConnection& connection, const QStringList& command,
                            std::chrono::duration<double> timeout, int stopFd);
