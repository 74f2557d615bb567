// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the settings file: the start-up path reads the display settings and the
// window placement without trouble, what it draws with lies within bounds, the window comes
// up on a screen. In a well-formed file, a setting written afterwards reads back as written and
// leaves the file well-formed; a garbled one counts as holding nothing, by design.
#include "FuzzSupport.h"

#include "brio/BRIniText.h"

#include "core/settings/DisplaySettings.h"
#include "core/PlacementPlan.h"
#include "core/settings/PlacementSettings.h"

#include <QDir>
#include <QFile>

#include <array>

namespace {

constexpr int kCheckedFontSize = 123;  // tenths of a point, written after the read

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureCoreApplication();
    const QString folder = scratchFolder() + QStringLiteral("/config/Ovatron");
    QDir().mkpath(folder);
    writeWholeFile(folder + QStringLiteral("/Ovatron.conf"), data, size);

    brio::BRAppConfig config;
    config.init("Ovatron");
    const DisplaySettings display = loadDisplaySettings(config);
    const double points = drawnFontPoints(fontPointSize(display.fontSize));
    if (!(points >= kSmallestFontPoints && points <= kLargestFontPoints))
        fuzzFailure("a font size outside the drawable range");
    (void)dialogStartPoints(fontPointSize(display.fontSize));
    (void)display.fontName.toUtf8();

    // One laptop screen and a projector to its right.
    const std::array<WindowRect, 2> screens{{{0, 0, 1920, 1080}, {1920, 0, 1024, 768}}};
    const PlacementPlan plan = planPlacement(loadPlacement(config), loadFullScreenFlag(config), screens);
    if (plan.useStoredRect && !isReachable(plan.rect, screens))
        fuzzFailure("the window comes up off every screen");
    if (plan.showState != kShowNormal && plan.showState != kShowMaximised)
        fuzzFailure("the window comes up neither normal nor maximised");

    const brio::BRIniContents before = brio::readIniText(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!before.wellFormed)
        return 0;
    storeFont(config, display.fontName, kCheckedFontSize, display.fontStyle, display.fontColor);
    if (loadDisplaySettings(config).fontSize != kCheckedFontSize)
        fuzzFailure("a setting written over this file did not read back");
    QFile written(folder + QStringLiteral("/Ovatron.conf"));
    if (!written.open(QIODevice::ReadOnly))
        fuzzFailure("the settings file went away");
    const brio::BRIniContents after = brio::readIniText(written.readAll());
    if (!after.wellFormed)
        fuzzFailure("writing a setting garbled the file");
    return 0;
}
