// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/OscSettings.h"
#include "core/ShowCommand.h"
#include "osc/OscAnnouncer.h"

#include <QString>
#include <QStringList>

#include <functional>

// OSC's sockets as the show sees them. The link, with liblo and Qt Network, is a module of
// its own (libovatron_osc.so), loaded the first time OSC is switched on or its dialog needs
// it: a show without OSC never maps them. Hence plain C++ here, with no Qt Network or liblo
// type; commands arrive through OscEvents.

struct OscCounts {
    int in = 0;       // messages carried out
    int out = 0;      // datagrams sent
    int refused = 0;  // from senders not allowed, of unknown addresses or wrong types
    friend bool operator==(const OscCounts&, const OscCounts&) = default;
};

// What the link reports, on the thread that made it.
struct OscEvents {
    std::function<void(const ShowCommand& command)> commandArrived;
    std::function<void()> countsChanged;
};

// OscLink behind an interface; see there for what each call does.
class OscService {
public:
    virtual ~OscService() = default;

    virtual QString problem() const = 0;
    virtual OscCounts counts() const = 0;
    virtual void showChanged(const OscFacts& now) = 0;
};

// The module's entry points, by these names: a new link with settings that reports to events
// (the caller owns it); the parts of the dialog's two lists that are not addresses; and
// "Send Test" to the targets the dialog lists, with the number of datagrams that went out.
using MakeOscService = OscService* (*)(const OscSettings& settings, OscEvents events);
inline constexpr char kMakeOscServiceSymbol[] = "ovatronMakeOsc";
using UnreadableOscAddresses = QStringList (*)(const QString& sendTo, const QString& allowFrom);
inline constexpr char kUnreadableOscAddressesSymbol[] = "ovatronUnreadableOscAddresses";
using SendOscTest = int (*)(const QString& sendTo);
inline constexpr char kSendOscTestSymbol[] = "ovatronSendOscTest";
inline constexpr char kOscModuleFile[] = "libovatron_osc.so";
