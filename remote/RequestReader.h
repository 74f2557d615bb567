// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RequestHandler.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

// Reads one HTTP request at a time from a connection's bytes, with the limits that keep a
// sender from filling the memory: the request line and headers, and the body, each have a
// ceiling, and a body that announces more is refused before any of it is read. Beast's parser
// does the parsing; this says what a connection does next.
class RequestReader {
public:
    static constexpr qsizetype kMaxHeader = 16 * 1024;
    static constexpr qsizetype kMaxBody = RequestHandler::kMaxBody;

    enum class Step {
        NeedMore,    // offer the same bytes again with more behind them
        HeaderDone,  // the headers are in: headers() holds them, the body has not been read
        Done,        // the whole request is in: request() holds it
        Failed,      // refuse with failure() and close: the rest of the stream is not HTTP
    };
    struct Progress {
        Step step = Step::NeedMore;
        qsizetype consumed = 0;  // bytes of the offered ones that are read for good
    };

    RequestReader();
    ~RequestReader();
    RequestReader(const RequestReader&) = delete;
    RequestReader& operator=(const RequestReader&) = delete;

    // bytes: all that has arrived and was not consumed yet, from the start of what the last
    // call left. Parses one structured piece at a time.
    Progress feed(QByteArrayView bytes);
    // The status to refuse with after Failed: 431 for headers too large, 413 for a body too
    // large, 400 otherwise.
    int failure() const { return m_failure; }

    // After HeaderDone or Done; the body is empty until Done.
    RemoteRequest request(const QString& peer) const;
    bool keepAlive() const;
    bool wantsWebSocket() const;

    // Ready for the next request on the same connection.
    void reset();

private:
    struct Parser;
    std::unique_ptr<Parser> m_parser;
    bool m_headerReported = false;
    int m_failure = 0;
};
