// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any method, path, headers, query and body reach the meter only as valid commands.
#include "FuzzSupport.h"

#include "remote/RequestHandler.h"

#include "brio/BRStringQt.h"
#include "core/NameText.h"

namespace {

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");

QByteArray takeBytes(FuzzInput& input, int maxUnits)
{
    return input.takeText(maxUnits).toUtf8();
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
