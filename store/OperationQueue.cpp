// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/OperationQueue.h"

#include <utility>

void OperationQueue::push(StoreOperation operation)
{
    if (!m_operations.empty()) {
        auto* waiting = std::get_if<StoreOp::ScoreRaised>(&m_operations.back());
        const auto* raised = std::get_if<StoreOp::ScoreRaised>(&operation);
        if (waiting && raised && waiting->order == raised->order) {
            waiting->score = raised->score;
            return;
        }
        auto* unread = std::get_if<StoreOp::CurveRead>(&m_operations.back());
        const auto* read = std::get_if<StoreOp::CurveRead>(&operation);
        if (unread && read && unread->order == read->order) {
            unread->readings += read->readings;
            unread->microphones += read->microphones;
            return;
        }
    }
    m_operations.push_back(std::move(operation));
}

void OperationQueue::putBack(std::vector<StoreOperation> batch)
{
    std::vector<StoreOperation> since = std::move(m_operations);
    m_operations = std::move(batch);
    for (StoreOperation& operation : since)
        push(std::move(operation));
}

std::vector<StoreOperation> OperationQueue::takeAll()
{
    return std::exchange(m_operations, {});
}
