// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ShowCommand.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <lo/lo_types.h>

#include <vector>

// Turns datagrams into the show's commands. liblo parses them, messages and bundles alike, on
// a server of its own that listens on a socket file no one else can reach: the datagrams
// arrive through the caller's socket, so that the address it binds and the senders it lets in
// stay the caller's to choose.
class OscInbox {
public:
    OscInbox();
    ~OscInbox();
    OscInbox(const OscInbox&) = delete;
    OscInbox& operator=(const OscInbox&) = delete;

    bool ready() const { return m_server != nullptr; }

    struct Read {
        std::vector<ShowCommand> commands;
        int refused = 0;  // messages of an unknown address or wrong types, and unreadable data
    };
    Read read(const QByteArray& datagram);

private:
    static int take(const char* path, const char* types, lo_arg** argv, int argc,
                    lo_message message, void* inbox);

    QTemporaryDir m_folder;
    lo_server m_server = nullptr;
    Read m_read;
};
