// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the results file allows at the moment. Only the two Saving states write.
enum class StoreCondition {
    Closed,                // not opened yet
    Saving,                // results are written as they happen
    SavingAfterMoveAside,  // an unreadable file was kept under another name; a new one is in use
    Locked,                // another copy of Ovatron holds the file; it is left alone
    ReadOnly,              // the file, its folder or a full disk refuses writes; it can be read
    NewerVersion,          // written by a newer Ovatron; left alone
    Unreadable,            // could not be read, nor moved aside
    Unavailable,           // no folder, or another failure to open
    WriteFailed,           // writes began to fail during the show; what was stored stays
};

struct StoreStatus {
    StoreCondition condition = StoreCondition::Closed;
    QString message;       // one line for the operator; empty when there is nothing to tell
    QString movedAsideTo;  // where the unreadable file went

    bool saving() const
    {
        return condition == StoreCondition::Saving
            || condition == StoreCondition::SavingAfterMoveAside;
    }
};
