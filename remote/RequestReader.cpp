// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RequestReader.h"

#include <boost/beast/http/error.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

#include <QUrl>

namespace http = boost::beast::http;

struct RequestReader::Parser {
    http::request_parser<http::string_body> parser;
};

RequestReader::RequestReader()
{
    reset();
}

RequestReader::~RequestReader() = default;

void RequestReader::reset()
{
    m_parser = std::make_unique<Parser>();
    m_parser->parser.header_limit(static_cast<std::uint32_t>(kMaxHeader));
    m_parser->parser.body_limit(static_cast<std::uint64_t>(kMaxBody));
    m_headerReported = false;
    m_failure = 0;
}

RequestReader::Progress RequestReader::feed(QByteArrayView bytes)
{
    if (m_failure != 0)
        return {Step::Failed, 0};
    auto& parser = m_parser->parser;
    qsizetype consumed = 0;
    while (!parser.is_done()) {
        if (parser.is_header_done() && !m_headerReported) {
            m_headerReported = true;
            return {Step::HeaderDone, consumed};
        }
        if (consumed == bytes.size())
            return {Step::NeedMore, consumed};
        boost::beast::error_code error;
        const auto used = parser.put(
            boost::asio::const_buffer(bytes.data() + consumed,
                                      static_cast<std::size_t>(bytes.size() - consumed)),
            error);
        consumed += static_cast<qsizetype>(used);
        if (error == http::error::need_more)
            return {Step::NeedMore, consumed};
        if (error) {
            m_failure = error == http::error::header_limit ? 431
                        : error == http::error::body_limit ? 413
                                                            : 400;
            return {Step::Failed, consumed};
        }
        if (used == 0)
            return {Step::NeedMore, consumed};
    }
    if (!m_headerReported) {
        // A request without a body is whole with its headers; they are still judged first.
        m_headerReported = true;
        return {Step::HeaderDone, consumed};
    }
    return {Step::Done, consumed};
}

RemoteRequest RequestReader::request(const QString& peer) const
{
    const auto& message = m_parser->parser.get();
    RemoteRequest request;
    const auto method = message.method_string();
    request.method = QByteArray(method.data(), static_cast<qsizetype>(method.size()));
    const auto target = message.target();
    const QByteArray targetBytes(target.data(), static_cast<qsizetype>(target.size()));
    const QUrl url = QUrl::fromEncoded(targetBytes);
    request.path = url.path();
    request.query = url.query(QUrl::FullyEncoded);
    for (const auto& field : message) {
        const auto name = field.name_string();
        const auto value = field.value();
        request.headers.append({QByteArray(name.data(), static_cast<qsizetype>(name.size())),
                                QByteArray(value.data(), static_cast<qsizetype>(value.size()))});
    }
    if (m_parser->parser.is_done())
        request.body = QByteArray(message.body().data(), static_cast<qsizetype>(message.body().size()));
    request.peer = peer;
    return request;
}

bool RequestReader::keepAlive() const
{
    return m_parser->parser.get().keep_alive();
}

bool RequestReader::wantsWebSocket() const
{
    return m_parser->parser.upgrade();
}
