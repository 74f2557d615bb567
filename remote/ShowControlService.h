// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/JuryRequest.h"
#include "remote/RemoteCommand.h"
#include "remote/ShowState.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

// Show control's sockets as the show sees them. The server, with Qt Network and Qt
// WebSockets, is a module of its own (libovatron_show_control.so), loaded the first time show
// control is switched on: a show without remotes never maps them. Hence plain C++ here, with
// no Qt Network type; commands arrive through ShowControlEvents.

// What the server reports, on the thread that made it.
struct ShowControlEvents {
    std::function<void(const RemoteCommand& command)> commandArrived;
    // The jury, asked at once while the request waits: the judges' tokens as they are now,
    // and the answer to a set-up, a mark or a marking opened or closed.
    std::function<std::vector<JudgeToken>()> judges = {};
    std::function<JuryAnswer(const JuryRequest& request)> juryAsked = {};
};

// ShowControlServer behind an interface; see there for what each call does.
class ShowControlService {
public:
    virtual ~ShowControlService() = default;

    // address is written as the settings write it ("127.0.0.1", "0.0.0.0").
    virtual bool listen(const QString& address, quint16 port) = 0;
    virtual QString errorString() const = 0;
    virtual void stateMayHaveChanged() = 0;
};

// The module's entry points, by these names. The first makes a server that asks state for
// what the show looks like and reports to events; the caller owns it. The second gives the
// address of this computer on the local network, for the addresses the dialog shows.
using MakeShowControl = ShowControlService* (*)(const QString& token,
                                                 std::function<ShowState()> state,
                                                 ShowControlEvents events);
inline constexpr char kMakeShowControlSymbol[] = "ovatronMakeShowControl";
using LocalNetworkHost = QString (*)();
inline constexpr char kLocalNetworkHostSymbol[] = "ovatronLocalNetworkHost";
inline constexpr char kShowControlModuleFile[] = "libovatron_show_control.so";
