// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/JuryRequest.h"
#include "remote/LoginThrottle.h"
#include "remote/RemoteCommand.h"
#include "remote/ShowState.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One HTTP request as it arrived, whatever it holds.
struct RemoteRequest {
    QByteArray method;  // "GET", "POST", ...
    QString path;
    QList<QPair<QByteArray, QByteArray>> headers;
    QString query;  // percent-encoded, without the "?"
    QByteArray body;
    QString peer;  // the address it came from
};

// The answer, and the command for the meter when the request was one it may carry out now.
struct RemoteReply {
    // The status that accepts a WebSocket on /api/live; the server upgrades the connection.
    static constexpr int kSwitchingProtocols = 101;

    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    std::optional<RemoteCommand> command;
    // Headers of this answer beyond those every answer has.
    QList<QPair<QByteArray, QByteArray>> headers = {};
};

// Answers show control's requests without any socket: the token, the limits, the API and the
// pages. It never writes the token anywhere.
class RequestHandler {
public:
    static constexpr qsizetype kMaxBody = 4096;
    // A judge's page sends a mark a contestant, and again what the network lost: more than
    // this many in a minute is a flood, refused for a minute without touching anyone else.
    static constexpr int kMarksPerMinute = 30;

    // The judges' tokens as they are now, and the show's jury, which answers its requests.
    using JudgeTokens = std::function<std::vector<JudgeToken>()>;
    using JuryDesk = std::function<JuryAnswer(const JuryRequest&)>;

    explicit RequestHandler(const QString& token);
    // Without these there is no jury: no judge's token is taken, and its requests get 503.
    void setJury(JudgeTokens judges, JuryDesk desk);

    // now: milliseconds on a steady clock, for the throttle of wrong tokens.
    RemoteReply handle(const RemoteRequest& request, const ShowState& state, std::int64_t now);

    // Judges a request by its headers alone, as soon as they are in: the refusal, or nothing
    // when it carries the right token and comes from no foreign page. Only wrong tokens count
    // against an address, and the right one is never refused. A judge's token opens her page,
    // her view and her marks, and nothing of the operator's (403).
    std::optional<RemoteReply> admit(const RemoteRequest& request, std::int64_t now);

    // What a live page says over its socket: the applause held or let go, as the body of
    // POST /api/applause; nothing for anything else, which is ignored.
    static std::optional<RemoteCommand> liveCommand(const QByteArray& message);

    // The refusal of a request that breaks the reading limits (400, 413 or 431).
    static RemoteReply unreadable(int status);

private:
    // Who asks: the operator, or the judge of this name and token; else the refusal.
    struct Caller {
        std::optional<RemoteReply> refusal;
        std::optional<JudgeToken> judge;
    };
    Caller identify(const RemoteRequest& request, std::int64_t now);
    RemoteReply route(const RemoteRequest& request, const ShowState& state) const;
    RemoteReply routeJudge(const RemoteRequest& request, const ShowState& state,
                           const JudgeToken& judge, std::int64_t now);
    RemoteReply askJury(const JuryRequest& asked) const;
    // The token the request offers, if any: the bearer header's or else the query's.
    std::optional<QByteArray> offeredToken(const RemoteRequest& request) const;

    QByteArray m_token;
    LoginThrottle m_throttle;
    LoginThrottle m_markThrottle{kMarksPerMinute};  // by judge's token
    JudgeTokens m_judges;
    JuryDesk m_jury;
    QByteArray m_overlayPage;
    QByteArray m_remotePage;
    QByteArray m_judgePage;
    QByteArray m_overlayPolicy;  // each page's Content-Security-Policy
    QByteArray m_remotePolicy;
    QByteArray m_judgePolicy;
};
