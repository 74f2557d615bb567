// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRIniText.h"

#include <QByteArray>
#include <QString>

#include <mutex>
#include <optional>

namespace brio {

// The settings file as it is on disk now, parsed again only when its bytes have changed.
// Every setting read goes to the file, and a start reads dozens: parsing the same bytes each
// time was most of what a read cost, while reading them is a few system calls. Comparing the
// bytes rather than the file's times keeps a change within one tick of a coarse clock seen.
class BRIniFileCache {
public:
    // The file's contents; none when it cannot be read.
    std::optional<BRIniContents> read(const QString& path);

private:
    std::mutex m_lock;  // the store is read from the show's threads too
    QString m_path;
    QByteArray m_text;
    BRIniContents m_contents;
    bool m_parsed = false;
};

}  // namespace brio
