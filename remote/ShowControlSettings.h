// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/ShowControlSettings.h"

#include <QString>

// The settings to run with: a token is made (and stored) the first time they are on.
ShowControlSettings withToken(brio::BRAppConfig& config, ShowControlSettings settings);

// The three addresses a remote uses, for a host name or address the remote reaches.
struct ShowControlAddresses {
    QString overlay;
    QString remote;
    QString api;
};
ShowControlAddresses showControlAddresses(const QString& host, int port, const QString& token);
