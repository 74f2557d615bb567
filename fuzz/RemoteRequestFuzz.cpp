// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any method, path, headers, query and body reach the meter only as valid commands; and the
// same bytes as a connection's stream are read within the header and body limits, whatever
// pieces they arrive in.
#include "FuzzSupport.h"

#include "remote/RequestHandler.h"
#include "remote/RequestReader.h"

#include "brio/BRStringQt.h"
#include "core/NameText.h"

namespace {

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");

QByteArray takeBytes(FuzzInput& input, int maxUnits)
{
    return input.takeText(maxUnits).toUtf8();
}

// The input after two bytes, repeated (up to 8 times, so that a few KiB reach the 16 KiB header
// limit) and offered in pieces of 1 to 256 bytes, as a connection reads it.
void readAsConnection(const std::uint8_t* data, std::size_t size, RequestHandler& handler)
{
    if (size < 2)
        return;
    QByteArray stream;
    for (int repeat = 0; repeat <= data[0] % 8; ++repeat)
        stream.append(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    const qsizetype piece = data[1] + 1;
    RequestReader reader;
    qsizetype at = 0;
    qsizetype arrived = std::min(piece, stream.size());
    qsizetype requestStart = 0;
    for (;;) {
        const RequestReader::Progress progress =
            reader.feed(QByteArrayView(stream).sliced(at, arrived - at));
        if (progress.consumed < 0 || progress.consumed > arrived - at)
            fuzzFailure("the reader took bytes it was not offered");
        at += progress.consumed;
        switch (progress.step) {
        case RequestReader::Step::NeedMore:
            if (arrived == stream.size())
                return;
            arrived = std::min(arrived + piece, stream.size());
            break;
        case RequestReader::Step::Failed:
            if (reader.failure() != 400 && reader.failure() != 413 && reader.failure() != 431)
                fuzzFailure("a refusal with an unexpected status");
            return;
        case RequestReader::Step::HeaderDone:
            if (at - requestStart > RequestReader::kMaxHeader)
                fuzzFailure("headers beyond the limit were read");
            handler.admit(reader.request(QStringLiteral("stream")), 0);
            break;
        case RequestReader::Step::Done: {
            const RemoteRequest request = reader.request(QStringLiteral("stream"));
            if (request.body.size() > RequestReader::kMaxBody)
                fuzzFailure("a body beyond the limit was read");
            handler.handle(request, ShowState{}, 0);
            reader.reset();
            requestStart = at;
            break;
        }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureCoreApplication();
    static RequestHandler handler(kToken);
    FuzzInput input(data, size);
    static const char* const methods[] = {"GET", "POST", "PUT", "DELETE", "HEAD", ""};
    RemoteRequest request;
    request.method = methods[input.takeByte() % std::size(methods)];
    request.path = input.takeText(24);
    // Half the requests carry the token, so that the commands behind it are reached.
    const std::uint8_t auth = input.takeByte();
    if (auth % 2 == 0)
        request.headers.append({"Authorization", "Bearer " + kToken.toUtf8()});
    request.headers.append({takeBytes(input, 16), takeBytes(input, 32)});
    request.query = input.takeText(48);
    request.peer = QString::number(auth % 4);
    request.body = input.takeRemainingText().toUtf8();
    ShowState state;
    state.state = static_cast<MeterState>(input.takeByte() % 3);

    readAsConnection(data, size, handler);
    const RemoteReply reply = handler.handle(request, state, 0);
    if (!reply.command)
        return 0;
    if (reply.status != 200)
        fuzzFailure("a command came with a refusal");
    if (reply.command->kind == RemoteCommand::Kind::Contestant) {
        if (state.state != MeterState::NameEntry)
            fuzzFailure("a contestant was started while a turn runs");
        if (withoutSurroundingBlanks(nameCharacters(brio::fromQString(reply.command->name))).empty())
            fuzzFailure("a contestant without a name was started");
    }
    return 0;
}
