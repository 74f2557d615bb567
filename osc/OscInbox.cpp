// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "osc/OscInbox.h"

#include "osc/OscCommands.h"

#include <lo/lo.h>

namespace {

// liblo reports unreadable data here as well as through the dispatch's result, which is what
// is counted; without a handler of its own it would print every one.
void quiet(int, const char*, const char*) {}

}  // namespace

OscInbox::OscInbox()
{
    if (!m_folder.isValid())
        return;
    const QByteArray path = m_folder.filePath(QStringLiteral("osc")).toLocal8Bit();
    m_server = lo_server_new_with_proto(path.constData(), LO_UNIX, quiet);
    if (!m_server)
        return;
    // A bundle stamped for later is handled now: a queue of them would be memory a sender fills.
    lo_server_enable_queue(m_server, 0, 1);
    lo_server_add_method(m_server, nullptr, nullptr, &OscInbox::take, this);
}

OscInbox::~OscInbox()
{
    if (m_server)
        lo_server_free(m_server);
}

OscInbox::Read OscInbox::read(const QByteArray& datagram)
{
    m_read = Read{};
    if (!m_server || datagram.isEmpty()) {
        m_read.refused = datagram.isEmpty() ? 0 : 1;
        return m_read;
    }
    QByteArray data = datagram;  // liblo takes a writable buffer
    if (lo_server_dispatch_data(m_server, data.data(), static_cast<size_t>(data.size())) < 0)
        ++m_read.refused;
    return std::move(m_read);
}

int OscInbox::take(const char* path, const char* types, lo_arg** argv, int argc, lo_message,
                   void* inbox)
{
    Read& read = static_cast<OscInbox*>(inbox)->m_read;
    if (const std::optional<ShowCommand> command = oscCommandOf(path, types, argv, argc))
        read.commands.push_back(*command);
    else
        ++read.refused;
    return 0;
}
