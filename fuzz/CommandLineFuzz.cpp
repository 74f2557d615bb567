// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any arguments: the request is one of the known actions and carries what that action needs.
#include "FuzzSupport.h"

#include "core/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureCoreApplication();
    FuzzInput input(data, size);
    QStringList arguments{QStringLiteral("ovatron")};
    constexpr int kMaxArguments = 8;
    constexpr int kMaxArgumentUnits = 40;
    while (!input.atEnd() && arguments.size() <= kMaxArguments)
        arguments << input.takeText(kMaxArgumentUnits);
    const CommandLineRequest request = parseCommandLine(arguments);
    switch (request.action) {
    case CommandLineRequest::Action::Run:
        break;
    case CommandLineRequest::Action::Export:
        if (!arguments.contains(QStringLiteral("--export"))
            && !arguments.filter(QStringLiteral("--export=")).size())
            fuzzFailure("an export nobody asked for");
        break;
    case CommandLineRequest::Action::ShowHelp:
    case CommandLineRequest::Action::ShowVersion:
    case CommandLineRequest::Action::Error:
        if (request.text.isEmpty())
            fuzzFailure("nothing to print");
        break;
    default:
        fuzzFailure("an unknown action");
    }
    return 0;
}
