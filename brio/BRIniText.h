// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSettings>

namespace brio {

// A stored value that holds a serialized object: Qt's "@Variant(...)", "@ByteArray(...)",
// "@Rect(...)", "@DateTime(...)" and the like. This program writes none and reads none: such
// a value is never decoded (a forged one can claim gigabytes), only kept as the file's own
// bytes so that writing another setting puts it back unchanged.
struct BRIniSerializedValue {
    QByteArray text;
};

// INI text read into values by key ("Section/name"; keys of the top level bare). A value is
// a QString, a QStringList (a line of comma-separated texts) or a BRIniSerializedValue.
struct BRIniContents {
    QSettings::SettingsMap values;
    bool wellFormed = true;  // false when a line is garbled; values has every line read
};

// Reads text as Qt's INI format writes it: sections, escapes, quotes, lists and comments.
BRIniContents readIniText(QByteArrayView text);

// The INI text of values, byte for byte as Qt's INI format writes it. Integers and texts are
// written as such; serialized values as they were read.
QByteArray iniText(const QSettings::SettingsMap& values);

}  // namespace brio
