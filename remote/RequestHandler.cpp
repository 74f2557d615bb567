// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RequestHandler.h"

#include "remote/AccessToken.h"

#include "brio/BRStringQt.h"
#include "core/NameText.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrlQuery>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

RemoteReply error(int status, const char* message)
{
    const QJsonObject object{{"error", QString::fromUtf8(message)}};
    return RemoteReply{status, "application/json", QJsonDocument(object).toJson(QJsonDocument::Compact),
                       std::nullopt};
}

RemoteReply accepted(RemoteCommand command)
{
    return RemoteReply{200, "application/json", R"({"ok":true})", std::move(command)};
}

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/remote/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages' own words, written {{so}} in them and put in the user's language when served.
constexpr const char* kPageTexts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "Start Next"),
    QT_TRANSLATE_NOOP("RemotePage", "End Turn"),
    QT_TRANSLATE_NOOP("RemotePage", "Abandon"),
    QT_TRANSLATE_NOOP("RemotePage", "Hold to Applaud"),
    QT_TRANSLATE_NOOP("RemotePage", "Reveal"),
    QT_TRANSLATE_NOOP("RemotePage", "Next contestant's name"),
    QT_TRANSLATE_NOOP("RemotePage", "Not connected"),
    QT_TRANSLATE_NOOP("RemotePage",
                      "The access token has changed: open this page again from Ovatron."),
};

// A page with the shared style and script in it, so that it needs no second request.
QByteArray page(const QString& name)
{
    QByteArray html = resource(name);
    for (const char* text : kPageTexts) {
        // A word stands in markup and in script strings alike: it must not end either.
        QString translated = QCoreApplication::translate("RemotePage", text);
        translated.remove(QRegularExpression(QStringLiteral("[<>\"\\\\&]")));
        html.replace("{{" + QByteArray(text) + "}}", translated.toUtf8());
    }
    html.replace("<!-- stage.css -->", "<style>\n" + resource(QStringLiteral("stage.css")) + "</style>");
    html.replace("<!-- live.js -->", "<script>\n" + resource(QStringLiteral("live.js")) + "</script>");
    return html;
}

// A policy that lets the page run only its own inline style and script, named by their hashes,
// talk only to this server, and be framed by nobody.
QByteArray pagePolicy(const QByteArray& html)
{
    QByteArray scripts;
    QByteArray styles;
    static const QRegularExpression inline_(QStringLiteral("<(script|style)>(.*?)</\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (const auto& match : inline_.globalMatch(QString::fromUtf8(html))) {
        const QByteArray hash =
            QCryptographicHash::hash(match.captured(2).toUtf8(), QCryptographicHash::Sha256);
        const QByteArray source = " 'sha256-" + hash.toBase64() + "'";
        (match.captured(1) == u"script" ? scripts : styles) += source;
    }
    return "default-src 'none'; script-src" + scripts + "; style-src" + styles +
           "; connect-src 'self'; img-src 'self' data:; base-uri 'none'; form-action 'none'; "
           "frame-ancestors 'none'";
}

QByteArray headerValue(const RemoteRequest& request, const QByteArray& name)
{
    for (const auto& [key, value] : request.headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

// The request's JSON object, or nothing when the body is not one.
std::optional<QJsonObject> bodyObject(const RemoteRequest& request)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

RemoteReply contestant(const RemoteRequest& request, const ShowState& state)
{
    const std::optional<QJsonObject> body = bodyObject(request);
    if (!body)
        return error(400, "the body must be a JSON object");
    const QJsonValue name = body->value(QStringLiteral("name"));
    if (!name.isString())
        return error(400, "\"name\" must be a string");
    if (withoutSurroundingBlanks(nameCharacters(brio::fromQString(name.toString()))).empty())
        return error(400, "\"name\" has no characters to show");
    if (state.state != MeterState::NameEntry)
        return error(409, "a contestant can start only while a name is being entered");
    return accepted(RemoteCommand{RemoteCommand::Kind::Contestant, name.toString(), false});
}

RemoteReply applause(const RemoteRequest& request)
{
    const std::optional<QJsonObject> body = bodyObject(request);
    if (!body)
        return error(400, "the body must be a JSON object");
    const QJsonValue down = body->value(QStringLiteral("down"));
    if (!down.isBool())
        return error(400, "\"down\" must be true or false");
    return accepted(RemoteCommand{RemoteCommand::Kind::Applause, {}, down.toBool()});
}

}  // namespace

// The pages live in this static library's resources, which a program links only when asked.
static void loadPages()
{
    Q_INIT_RESOURCE(remote);
}

RequestHandler::RequestHandler(const QString& token) : m_token(token.toUtf8())
{
    loadPages();
    m_overlayPage = page(QStringLiteral("overlay.html"));
    m_remotePage = page(QStringLiteral("remote.html"));
    m_overlayPolicy = pagePolicy(m_overlayPage);
    m_remotePolicy = pagePolicy(m_remotePage);
}

RemoteReply RequestHandler::handle(const RemoteRequest& request, const ShowState& state,
                                   std::int64_t now)
{
    if (std::optional<RemoteReply> refused = admit(request, now))
        return *std::move(refused);
    if (request.body.size() > kMaxBody)
        return error(413, "the body is larger than 4 KiB");
    return route(request, state);
}

RemoteReply RequestHandler::unreadable(int status)
{
    if (status == 413)
        return error(413, "the body is larger than 4 KiB");
    if (status == 431)
        return error(431, "the request line and headers are larger than 16 KiB");
    return error(400, "the request is not HTTP/1.1");
}

std::optional<RemoteReply> RequestHandler::admit(const RemoteRequest& request, std::int64_t now)
{
    // A page of another site may make the operator's browser ask: it is refused without
    // counting against the operator's address.
    const QByteArray origin = headerValue(request, "origin");
    const bool foreignOrigin =
        !origin.isEmpty() && origin != "http://" + headerValue(request, "host");
    if (foreignOrigin || headerValue(request, "sec-fetch-site") == "cross-site")
        return error(403, "requests from other sites are refused");
    const std::optional<QByteArray> offered = offeredToken(request);
    if (!offered)
        return error(401, "a valid token is needed");
    if (sameToken(*offered, m_token))
        return std::nullopt;
    if (m_throttle.isBlocked(request.peer, now))
        return error(429, "too many wrong tokens; try again in a minute");
    m_throttle.recordFailure(request.peer, now);
    return error(401, "a valid token is needed");
}

std::optional<QByteArray> RequestHandler::offeredToken(const RemoteRequest& request) const
{
    static const QByteArray bearer = "Bearer ";
    const QByteArray authorization = headerValue(request, "authorization");
    if (authorization.startsWith(bearer))
        return authorization.mid(bearer.size()).trimmed();
    const QUrlQuery query(request.query);
    if (!query.hasQueryItem(QStringLiteral("token")))
        return std::nullopt;
    return query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8();
}

RemoteReply RequestHandler::route(const RemoteRequest& request, const ShowState& state) const
{
    const bool get = request.method == "GET";
    const bool post = request.method == "POST";
    const QString& path = request.path;
    if (path == u"/api/state")
        return get ? RemoteReply{200, "application/json", showStateJson(state), std::nullopt}
                   : error(405, "use GET");
    if (path == u"/api/live") {
        if (!get)
            return error(405, "use GET");
        if (headerValue(request, "upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
            return error(426, "a WebSocket is needed");
        return RemoteReply{RemoteReply::kSwitchingProtocols, {}, {}, std::nullopt};
    }
    if (path == u"/overlay" || path == u"/remote") {
        if (!get)
            return error(405, "use GET");
        const bool overlay = path == u"/overlay";
        return RemoteReply{200,
                           "text/html; charset=utf-8",
                           overlay ? m_overlayPage : m_remotePage,
                           std::nullopt,
                           {{"Content-Security-Policy", overlay ? m_overlayPolicy : m_remotePolicy}}};
    }
    using Kind = RemoteCommand::Kind;
    // The commands without a body, by address.
    static const std::pair<const char16_t*, Kind> plainCommands[] = {
        {u"/api/enter", Kind::Enter},
        {u"/api/escape", Kind::Escape},
        {u"/api/next", Kind::Next},
        {u"/api/winners", Kind::Winners},
        {u"/api/reveal", Kind::Reveal},
    };
    const auto plain = std::find_if(std::begin(plainCommands), std::end(plainCommands),
                                    [&](const auto& known) { return path == known.first; });
    const bool command =
        plain != std::end(plainCommands) || path == u"/api/contestant" || path == u"/api/applause";
    if (!command)
        return error(404, "no such address");
    if (!post)
        return error(405, "use POST");
    if (path == u"/api/contestant")
        return contestant(request, state);
    if (path == u"/api/applause")
        return applause(request);
    return accepted(RemoteCommand{plain->second, {}, false});
}
