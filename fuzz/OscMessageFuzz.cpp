// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any datagram, message or bundle, reaches the meter only as valid commands, and the meter
// driven by them keeps its rules.
#include "FuzzSupport.h"

#include "osc/OscInbox.h"
#include "support/MeterInvariants.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"
#include "core/NameText.h"

namespace {

// The commands as the operator's keys carry them out.
void carryOut(MeterCore& meter, const ShowCommand& command, bool& spaceDown)
{
    switch (command.kind) {
    case ShowCommand::Kind::Contestant:
        if (meter.state() == MeterState::NameEntry) {
            meter.onText(brio::fromQString(command.name));
            meter.onChar(MeterCore::kEnter);
        }
        break;
    case ShowCommand::Kind::Next:
        if (meter.state() == MeterState::Summary)
            meter.onChar(MeterCore::kEnter);
        break;
    case ShowCommand::Kind::Enter:
        meter.onChar(MeterCore::kEnter);
        break;
    case ShowCommand::Kind::Escape:
        meter.onChar(MeterCore::kEscape);
        break;
    case ShowCommand::Kind::Applause:
        spaceDown = command.down;
        break;
    case ShowCommand::Kind::Winners:
    case ShowCommand::Kind::Reveal:
    case ShowCommand::Kind::Duel:
    case ShowCommand::Kind::CloseMarking:
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureCoreApplication();
    static OscInbox inbox;
    if (!inbox.ready())
        fuzzFailure("the OSC parser could not be made");
    const OscInbox::Read read =
        inbox.read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (read.refused < 0)
        fuzzFailure("a negative count of refused messages");
    MeterCore meter(true, true);
    bool spaceDown = false;
    for (const ShowCommand& command : read.commands) {
        if (command.kind == ShowCommand::Kind::Contestant &&
            withoutSurroundingBlanks(nameCharacters(brio::fromQString(command.name))).empty())
            fuzzFailure("a contestant without a name was started");
        carryOut(meter, command, spaceDown);
        for (int tick = 0; tick < 5; ++tick)
            meter.tick(TickInput{true, spaceDown});
        if (const char* broken = brokenMeterRule(meter))
            fuzzFailure(broken);
    }
    return 0;
}
