// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRIniFileCache.h"

#include <QFile>

namespace brio {

std::optional<BRIniContents> BRIniFileCache::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    const std::lock_guard lock(m_lock);
    if (!m_parsed || m_path != path || m_text != text) {
        m_contents = readIniText(text);
        m_path = path;
        m_text = text;
        m_parsed = true;
    }
    return m_contents;
}

}  // namespace brio
