// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "osc/OscCommands.h"

#include "brio/BRStringQt.h"
#include "core/NameText.h"

#include <cstring>

namespace {

bool is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// A datagram can carry a name of almost 64 KiB; no screen shows more than this, so the rest is cut.
constexpr int kLongestName = 200;

}  // namespace

std::optional<ShowCommand> oscCommandOf(const char* path, const char* types, lo_arg** argv,
                                        int argc)
{
    if (!path || !types)
        return std::nullopt;
    using Kind = ShowCommand::Kind;
    const bool none = argc == 0 && is(types, "");
    if (is(path, "/ovatron/next") && none)
        return ShowCommand{Kind::Next, {}, false};
    if (is(path, "/ovatron/enter") && none)
        return ShowCommand{Kind::Enter, {}, false};
    if (is(path, "/ovatron/escape") && none)
        return ShowCommand{Kind::Escape, {}, false};
    if (is(path, "/ovatron/winners") && none)
        return ShowCommand{Kind::Winners, {}, false};
    if (is(path, "/ovatron/reveal") && none)
        return ShowCommand{Kind::Reveal, {}, false};
    if (is(path, "/ovatron/applause") && argc == 1 && is(types, "i")) {
        const std::int32_t down = argv[0]->i;
        if (down != 0 && down != 1)
            return std::nullopt;
        return ShowCommand{Kind::Applause, {}, down == 1};
    }
    if (is(path, "/ovatron/contestant") && argc == 1 && is(types, "s")) {
        const QString name = QString::fromUtf8(&argv[0]->s).left(kLongestName);
        if (withoutSurroundingBlanks(nameCharacters(brio::fromQString(name))).empty())
            return std::nullopt;
        return ShowCommand{Kind::Contestant, name, false};
    }
    if (is(path, "/ovatron/jury/close") && argc == 1 && is(types, "s")) {
        const QString name = QString::fromUtf8(&argv[0]->s).left(kLongestName);
        if (name.trimmed().isEmpty())
            return std::nullopt;
        return ShowCommand{Kind::CloseMarking, name, false};
    }
    // A round is switched to by its name; the session refuses a name it does not know.
    if (is(path, "/ovatron/round") && argc == 1 && is(types, "s")) {
        const QString name = QString::fromUtf8(&argv[0]->s).left(kLongestName);
        if (name.trimmed().isEmpty())
            return std::nullopt;
        return ShowCommand{Kind::SwitchRound, name, false};
    }
    return std::nullopt;
}
