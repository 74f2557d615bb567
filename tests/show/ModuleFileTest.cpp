// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The optional parts' modules, as the program finds and loads them: each exports the entry
// points the show resolves (the print module's is the window's, which the widgets' print
// tests go through), and what cannot be loaded is a reason, not a crash.

#include "audio/CuePlayer.h"
#include "audio/SoundInput.h"
#include "osc/OscService.h"
#include "remote/ShowControlService.h"
#include "core/AppConfig.h"
#include "show/MeterSession.h"
#include "show/ModuleFile.h"
#include "show/OscBridge.h"
#include "show/ShowControlLink.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>

namespace {

struct Entry {
    const char* file;
    const char* symbol;
};

const Entry kEntries[] = {
    {"libovatron_sound.so", audio::kMakeSoundInputSymbol},
    {"libovatron_sound.so", audio::kMakeCuePlayerSymbol},
    {kShowControlModuleFile, kMakeShowControlSymbol},
    {kShowControlModuleFile, kLocalNetworkHostSymbol},
    {kOscModuleFile, kMakeOscServiceSymbol},
    {kOscModuleFile, kUnreadableOscAddressesSymbol},
    {kOscModuleFile, kSendOscTestSymbol},
};

bool mapped(const char* fileName)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(fileName);
}

}  // namespace

TEST(ModuleFile, EveryModuleExportsTheEntryPointsTheProgramResolves)
{
    for (const Entry& entry : kEntries) {
        QString error;
        EXPECT_NE(moduleEntry(moduleFilePath(entry.file), entry.symbol, error), nullptr)
            << entry.file << " " << entry.symbol << ": " << error.toStdString();
    }
}

TEST(ModuleFile, WhatCannotBeLoadedGivesNoEntryAndAReason)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notALibrary = folder.filePath(QStringLiteral("libovatron_osc.so"));
    QFile text(notALibrary);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a shared object\n");
    text.close();

    const struct {
        QString path;
        const char* symbol;
    } cases[] = {
        {folder.filePath(QStringLiteral("missing.so")), kMakeOscServiceSymbol},
        {notALibrary, kMakeOscServiceSymbol},
        {moduleFilePath(kOscModuleFile), kMakeShowControlSymbol},  // another module's entry
    };
    for (const auto& unloadable : cases) {
        QString error;
        EXPECT_EQ(moduleEntry(unloadable.path, unloadable.symbol, error), nullptr)
            << unloadable.path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << unloadable.path.toStdString();
    }
}

// A show with show control and OSC off maps neither module; switching each on loads its own.
TEST(ModuleFile, ShowControlAndOscAreLoadedOnlyOnceSwitchedOn)
{
    if (mapped(kShowControlModuleFile) || mapped(kOscModuleFile))
        GTEST_SKIP() << "another test loaded a module in this process; ctest runs each in its own";
    AppConfig settings;
    settings.init("Ovatron");
    MeterSession session(settings);
    ShowControlLink showControl(settings, session);
    OscBridge osc(settings, session);
    showControl.followSettings();
    osc.followSettings();
    EXPECT_FALSE(mapped(kShowControlModuleFile));
    EXPECT_FALSE(mapped(kOscModuleFile));

    OscSettings on;
    on.on = true;
    {
        QUdpSocket probe;
        ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
        on.port = probe.localPort();
    }
    storeOscSettings(settings, on);
    osc.followSettings();
    EXPECT_NE(osc.link(), nullptr);
    EXPECT_TRUE(mapped(kOscModuleFile));
    EXPECT_FALSE(mapped(kShowControlModuleFile));

    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const int port = probe.serverPort();
    probe.close();
    showControl.startForThisRun(port);
    EXPECT_TRUE(showControl.isRunning());
    EXPECT_TRUE(mapped(kShowControlModuleFile));
}
