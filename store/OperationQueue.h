// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoreOperation.h"

#include <cstddef>
#include <vector>

// The operations waiting for the recorder's worker, oldest first. A score that rises again
// before the worker has taken the last one replaces it, and a curve's readings join those
// waiting, so that a long write failure does not grow the queue at every tick of the meter.
class OperationQueue {
public:
    void push(StoreOperation operation);

    // Puts a batch whose writing failed back in front of what came since, to be tried again.
    void putBack(std::vector<StoreOperation> batch);

    std::vector<StoreOperation> takeAll();

    bool isEmpty() const { return m_operations.empty(); }
    std::size_t size() const { return m_operations.size(); }

private:
    std::vector<StoreOperation> m_operations;
};
