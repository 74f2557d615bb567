// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The optional parts' modules, as the program finds and loads them: each exports the entry
// points the show resolves (the print module's is the window's, which the widgets' print
// tests go through), and what cannot be loaded is a reason, not a crash.

#include "audio/CuePlayer.h"
#include "audio/SoundInput.h"
#include "osc/OscService.h"
#include "remote/ShowControlService.h"
#include "show/ModuleFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
