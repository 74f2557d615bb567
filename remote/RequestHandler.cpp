// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RequestHandler.h"

#include "remote/AccessToken.h"
#include "remote/JuryRequests.h"

#include "brio/BRStringQt.h"
#include "core/NameText.h"
#include "core/rounds/RoundBook.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
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
    QT_TRANSLATE_NOOP("RemotePage", "Judge"),
    QT_TRANSLATE_NOOP("RemotePage", "Mark"),
    QT_TRANSLATE_NOOP("RemotePage", "Send"),
    QT_TRANSLATE_NOOP("RemotePage", "Sent"),
    QT_TRANSLATE_NOOP("RemotePage", "No contestant is open for marking now."),
    QT_TRANSLATE_NOOP("RemotePage", "No network: the mark is kept and goes as soon as it can."),
    QT_TRANSLATE_NOOP("RemotePage", "This link has been revoked: ask the operator for a new one."),
    QT_TRANSLATE_NOOP("RemotePage", "%1: %2 of %3 marked"),
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
std::optional<QJsonObject> bodyObject(const QByteArray& body)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

RemoteReply contestant(const RemoteRequest& request, const ShowState& state)
{
    const std::optional<QJsonObject> body = bodyObject(request.body);
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

// The applause's body, {"down": true or false}: its command, or the refusal.
RemoteReply applause(const QByteArray& body)
{
    const std::optional<QJsonObject> object = bodyObject(body);
    if (!object)
        return error(400, "the body must be a JSON object");
    const QJsonValue down = object->value(QStringLiteral("down"));
    if (!down.isBool())
        return error(400, "\"down\" must be true or false");
    return accepted(RemoteCommand{RemoteCommand::Kind::Applause, {}, down.toBool()});
}

RemoteReply errorText(int status, const QString& message)
{
    const QJsonObject object{{"error", message}};
    return RemoteReply{status, "application/json",
                       QJsonDocument(object).toJson(QJsonDocument::Compact), std::nullopt};
}

const ShowRound* roundNamed(const ShowState& state, const QString& name)
{
    const auto found = std::find_if(state.rounds.begin(), state.rounds.end(),
                                    [&name](const ShowRound& round) { return round.name == name; });
    return found == state.rounds.end() ? nullptr : &*found;
}

// The refusal of a new round name, or none; `except` may keep its own name.
std::optional<RemoteReply> badRoundName(const ShowState& state, const QJsonValue& value,
                                        const QString& except = {})
{
    if (!value.isString())
        return error(400, "the round's name must be a string");
    const QString name = value.toString().trimmed();
    if (name.isEmpty())
        return error(400, "a round needs a name that is not blank");
    if (name.size() > rounds::kLongestName)
        return error(400, "a round's name may have at most 60 characters");
    if (name != except && roundNamed(state, name))
        return errorText(409, QStringLiteral("there is already a round called \"%1\"").arg(name));
    return std::nullopt;
}

QStringList stringsOf(const QJsonValue& value, bool& ok)
{
    QStringList strings;
    ok = value.isArray();
    for (const QJsonValue& item : value.toArray()) {
        ok = ok && item.isString();
        strings << item.toString();
    }
    return strings;
}

RemoteReply newRound(const QJsonObject& body, const ShowState& state)
{
    if (auto refused = badRoundName(state, body.value(QStringLiteral("name"))))
        return *refused;
    RemoteCommand command{RemoteCommand::Kind::NewRound,
                          body.value(QStringLiteral("name")).toString().trimmed(), false};
    if (body.contains(QStringLiteral("from"))) {
        bool ok = false;
        command.names = stringsOf(body.value(QStringLiteral("from")), ok);
        if (!ok)
            return error(400, "\"from\" must be a list of round names");
        const QJsonValue best = body.value(QStringLiteral("best"));
        if (!best.isDouble() || best.toDouble() != double(best.toInt()) || best.toInt() < 1)
            return error(400, "\"best\" must be a whole number from 1");
        command.best = best.toInt();
    }
    const QJsonValue ties = body.value(QStringLiteral("ties"));
    if (!ties.isUndefined() && ties != QJsonValue(QStringLiteral("share")))
        return error(400, "\"ties\" may only be \"share\"");
    command.shareTies = ties.isString();
    std::vector<rounds::RoundStandings> from;
    for (const QString& name : command.names) {
        const ShowRound* round = roundNamed(state, name);
        if (!round)
            return errorText(400, QStringLiteral("there is no round called \"%1\"").arg(name));
        from.push_back(round->standings);
    }
    if (state.state == MeterState::Measuring || state.clapOffRunning)
        return error(409, "rounds change between turns only");
    const rounds::Advancement advancing = rounds::advance(
        from, command.best, command.shareTies ? rounds::TieRule::Share : rounds::TieRule::Refuse,
        rounds::RunningOrder::RoundsInOrder);
    if (!advancing.ties.empty()) {
        const rounds::Tie& tie = advancing.ties.front();
        QStringList names;
        for (const brio::BRString& name : tie.names)
            names << brio::toQString(name);
        const QJsonObject object{
            {"error", QStringLiteral("a tie at the cut in %1: hold a clap-off, or share the place")
                          .arg(brio::toQString(tie.round))},
            {"tie", QJsonObject{{"round", brio::toQString(tie.round)},
                                {"names", QJsonArray::fromStringList(names)}}}};
        return RemoteReply{409, "application/json",
                           QJsonDocument(object).toJson(QJsonDocument::Compact), std::nullopt};
    }
    return accepted(command);
}

RemoteReply clapOff(const QJsonObject& body, const ShowState& state)
{
    const QString name = body.value(QStringLiteral("round")).toString();
    const ShowRound* round = roundNamed(state, name);
    if (!round)
        return errorText(400, QStringLiteral("there is no round called \"%1\"").arg(name));
    bool ok = false;
    const QStringList names = stringsOf(body.value(QStringLiteral("names")), ok);
    if (!ok || names.size() < 2)
        return error(400, "\"names\" must list two or more contestants");
    for (const QString& contestant : names) {
        const bool scored = std::any_of(round->standings.rows.begin(), round->standings.rows.end(),
                                        [&contestant](const rounds::Standing& row) {
                                            return brio::toQString(row.name) == contestant;
                                        });
        if (!scored)
            return errorText(400, QStringLiteral("\"%1\" has no score in %2").arg(contestant, name));
    }
    if (state.state == MeterState::Measuring || state.clapOffRunning)
        return error(409, "a clap-off starts between turns only");
    RemoteCommand command{RemoteCommand::Kind::ClapOff, name, false};
    command.names = names;
    return accepted(command);
}

// A side of a duel: one place, or a list of them, each a microphone's.
QStringList placesOf(const QJsonValue& value)
{
    if (value.isString())
        return value.toString().trimmed().isEmpty() ? QStringList{} : QStringList{value.toString().trimmed()};
    bool ok = false;
    QStringList places = stringsOf(value, ok);
    for (QString& place : places)
        place = place.trimmed();
    return ok && !places.isEmpty() && !places.contains(QString()) ? places : QStringList{};
}

// {"left": "Left", "right": ["Right", "Balcony"], "names": ["Blue House", "Red House"]}
RemoteReply duel(const QByteArray& body, const ShowState& state)
{
    const std::optional<QJsonObject> object = bodyObject(body);
    if (!object)
        return error(400, "the body must be a JSON object");
    RemoteCommand command{RemoteCommand::Kind::Duel, {}, false};
    command.left = placesOf(object->value(QStringLiteral("left")));
    command.right = placesOf(object->value(QStringLiteral("right")));
    if (command.left.isEmpty() || command.right.isEmpty())
        return error(400, "\"left\" and \"right\" must each name a microphone's place, or a list of them");
    for (const QString& place : command.left) {
        if (command.right.contains(place, Qt::CaseInsensitive))
            return errorText(400, QStringLiteral("\"%1\" cannot hear both sides").arg(place));
    }
    bool ok = false;
    command.names = stringsOf(object->value(QStringLiteral("names")), ok);
    const auto shown = [](const QString& name) {
        return !withoutSurroundingBlanks(nameCharacters(brio::fromQString(name))).empty();
    };
    if (!ok || command.names.size() != 2 || !shown(command.names[0]) || !shown(command.names[1]))
        return error(400, "\"names\" must be the two sides' names");
    if (state.state == MeterState::Measuring || state.clapOffRunning)
        return error(409, "a duel starts between turns only");
    return accepted(command);
}

RemoteReply roundCommand(const RemoteRequest& request, const ShowState& state)
{
    const std::optional<QJsonObject> body = bodyObject(request.body);
    if (!body)
        return error(400, "the body must be a JSON object");
    if (request.path == u"/api/round")
        return newRound(*body, state);
    if (request.path == u"/api/clapoff")
        return clapOff(*body, state);
    const QString name = body->value(QStringLiteral("name")).toString();
    if (!roundNamed(state, name))
        return errorText(400, QStringLiteral("there is no round called \"%1\"").arg(name));
    if (request.path == u"/api/round/rename") {
        if (auto refused = badRoundName(state, body->value(QStringLiteral("to")), name))
            return *refused;
        RemoteCommand command{RemoteCommand::Kind::RenameRound, name, false};
        command.to = body->value(QStringLiteral("to")).toString().trimmed();
        return accepted(command);
    }
    if (state.state == MeterState::Measuring || state.clapOffRunning)
        return error(409, "rounds change between turns only");
    return accepted(RemoteCommand{RemoteCommand::Kind::SwitchRound, name, false});
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
    m_judgePage = page(QStringLiteral("judge.html"));
    m_overlayPolicy = pagePolicy(m_overlayPage);
    m_remotePolicy = pagePolicy(m_remotePage);
    m_judgePolicy = pagePolicy(m_judgePage);
}

void RequestHandler::setJury(JudgeTokens judges, JuryDesk desk)
{
    m_judges = std::move(judges);
    m_jury = std::move(desk);
}

RemoteReply RequestHandler::handle(const RemoteRequest& request, const ShowState& state,
                                   std::int64_t now)
{
    Caller caller = identify(request, now);
    if (caller.refusal)
        return *std::move(caller.refusal);
    if (request.body.size() > kMaxBody)
        return error(413, "the body is larger than 4 KiB");
    if (caller.judge)
        return routeJudge(request, state, *caller.judge, now);
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

std::optional<RemoteCommand> RequestHandler::liveCommand(const QByteArray& message)
{
    return applause(message).command;
}

std::optional<RemoteReply> RequestHandler::admit(const RemoteRequest& request, std::int64_t now)
{
    return identify(request, now).refusal;
}

RequestHandler::Caller RequestHandler::identify(const RemoteRequest& request, std::int64_t now)
{
    // A page of another site may make the operator's browser ask: it is refused without
    // counting against the operator's address.
    const QByteArray origin = headerValue(request, "origin");
    const bool foreignOrigin =
        !origin.isEmpty() && origin != "http://" + headerValue(request, "host");
    if (foreignOrigin || headerValue(request, "sec-fetch-site") == "cross-site")
        return {error(403, "requests from other sites are refused"), {}};
    const std::optional<QByteArray> offered = offeredToken(request);
    if (!offered)
        return {error(401, "a valid token is needed"), {}};
    if (sameToken(*offered, m_token))
        return {};
    // Every judge's token is compared, so that the time taken tells nothing of which matched.
    std::optional<JudgeToken> judge;
    for (const JudgeToken& known : m_judges ? m_judges() : std::vector<JudgeToken>()) {
        if (!known.token.isEmpty() && sameToken(*offered, known.token.toUtf8()))
            judge = known;
    }
    if (judge) {
        const bool judgesOwn = request.path == u"/judge" || request.path == u"/api/judge" ||
                               request.path == u"/api/mark";
        if (!judgesOwn)
            return {error(403, "a judge's link opens only the judge's page"), {}};
        return {std::nullopt, judge};
    }
    if (m_throttle.isBlocked(request.peer, now))
        return {error(429, "too many wrong tokens; try again in a minute"), {}};
    m_throttle.recordFailure(request.peer, now);
    return {error(401, "a valid token is needed"), {}};
}

RemoteReply RequestHandler::askJury(const JuryRequest& asked) const
{
    if (!m_jury)
        return error(503, "there is no jury here");
    const JuryAnswer answer = m_jury(asked);
    if (answer.status != 200)
        return errorText(answer.status, answer.error);
    return RemoteReply{200, "application/json", R"({"ok":true})", std::nullopt};
}

RemoteReply RequestHandler::routeJudge(const RemoteRequest& request, const ShowState& state,
                                       const JudgeToken& judge, std::int64_t now)
{
    const bool get = request.method == "GET";
    if (request.path == u"/judge")
        return get ? RemoteReply{200, "text/html; charset=utf-8", m_judgePage, std::nullopt,
                                 {{"Content-Security-Policy", m_judgePolicy}}}
                   : error(405, "use GET");
    if (request.path == u"/api/judge")
        return get ? RemoteReply{200, "application/json", judgeViewJson(state, judge.name),
                                 std::nullopt}
                   : error(405, "use GET");
    if (request.method != "POST")
        return error(405, "use POST");
    if (m_markThrottle.isBlocked(judge.token, now))
        return error(429, "too many marks at once; try again in a minute");
    m_markThrottle.recordFailure(judge.token, now);
    std::variant<QString, JuryRequest> asked = juryRequestOf(request.path, request.body, judge.token);
    if (const QString* reason = std::get_if<QString>(&asked))
        return errorText(400, *reason);
    return askJury(std::get<JuryRequest>(asked));
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
    if (path == u"/judge" || path == u"/api/judge" || path == u"/api/mark")
        return error(403, "this is a judge's address: open it from a judge's link");
    if (path == u"/api/jury" || path == u"/api/jury/close" || path == u"/api/jury/open") {
        if (!post)
            return error(405, "use POST");
        std::variant<QString, JuryRequest> asked = juryRequestOf(path, request.body);
        if (const QString* reason = std::get_if<QString>(&asked))
            return errorText(400, *reason);
        if (!m_jury)
            return error(503, "there is no jury here");
        const JuryAnswer answer = m_jury(std::get<JuryRequest>(asked));
        if (answer.status != 200)
            return errorText(answer.status, answer.error);
        if (path != u"/api/jury")
            return RemoteReply{200, "application/json", R"({"ok":true})", std::nullopt};
        return RemoteReply{200, "application/json",
                           judgeLinksJson(answer, headerValue(request, "host")), std::nullopt};
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
    const bool roundPath = path == u"/api/round" || path == u"/api/clapoff" ||
                           path == u"/api/round/current" || path == u"/api/round/rename";
    const bool command = plain != std::end(plainCommands) || path == u"/api/contestant" ||
                         path == u"/api/applause" || path == u"/api/duel" || roundPath;
    if (!command)
        return error(404, "no such address");
    if (!post)
        return error(405, "use POST");
    if (path == u"/api/contestant")
        return contestant(request, state);
    if (path == u"/api/applause")
        return applause(request.body);
    if (path == u"/api/duel")
        return duel(request.body, state);
    if (roundPath)
        return roundCommand(request, state);
    return accepted(RemoteCommand{plain->second, {}, false});
}
