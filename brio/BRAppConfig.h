// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "brio/BRValue.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QVariant;

namespace brio {

class BRIniFileCache;

// Where a setting lives. Only the current user's own settings exist: they must be writable
// by an ordinary user, since the program saves settings whenever its window closes.
enum class BRRegistryHive { User = 1 };

// The product record: the title and the four parts of the version.
class BRAppInfo {
public:
    BRAppInfo() = default;
    BRAppInfo(const BRString& title, int majorVersion, int minorVersion, int revision, int build);

    const BRString& title() const { return m_title; }
    int majorVersion() const { return m_majorVersion; }
    int minorVersion() const { return m_minorVersion; }
    int revision() const { return m_revision; }
    int build() const { return m_build; }

private:
    BRString m_title;
    int m_majorVersion = 0;
    int m_minorVersion = 0;
    int m_revision = 0;
    int m_build = 0;
};

// The product's identity values and its persistent named settings.
//
// Settings go to the per-user file $XDG_CONFIG_HOME/<product>/<product>.conf, one
// "name=value" line each; the section "" is the file's top level. Every get yields its
// default when the store holds nothing usable under the name (no file, an unreadable or
// garbled file, a text where an integer belongs, a serialized object such as "@Variant(...)",
// which is never decoded); every set is written at once. A set that cannot be stored leaves the
// file as it was and is forgotten; the write-failure handler hears of it. A set that changes
// what the file holds is announced (valueChanged), so that whoever shows a setting hears of
// it without reading the file again.
class BRAppConfig : public QObject {
    Q_OBJECT
public:
    // An empty appDirectoryOverride means the folder of the running program.
    explicit BRAppConfig(const BRString& appDirectoryOverride = BRString());
    virtual ~BRAppConfig();

    BRAppConfig(const BRAppConfig&) = delete;
    BRAppConfig& operator=(const BRAppConfig&) = delete;

    const BRString& appDirectory() const { return m_appDirectory; }

    void setProductValue(const BRString& key, const BRValue& value);
    // The value under key as text; empty when there is none.
    BRString getProductString(const BRString& key) const;
    // The value under key as a 32-bit integer; 0 when there is none, or it is not a number
    // or one outside that range.
    int getProductInt32(const BRString& key) const;
    // Reads an INI file of KEY=value lines; its values replace those set before under the
    // same keys. Values that look like integers are kept as integers; a serialized object
    // ("@Variant(...)" and the like) is ignored as if absent. A missing or unreadable file
    // loads nothing.
    void loadProductInfo(const BRString& path);

    void setProductInfo(const BRAppInfo& info) { m_productInfo = info; }
    const BRAppInfo& productInfo() const { return m_productInfo; }

    // Opens the settings of productName. Before this, gets yield their defaults and sets
    // do nothing.
    void init(const BRString& productName);

    virtual int getRegistryInteger(const BRString& section, const BRString& name,
                                   int defaultValue, BRRegistryHive hive);
    virtual void setRegistryInteger(const BRString& section, const BRString& name, int value,
                                    BRRegistryHive hive);
    virtual BRString getRegistryString(const BRString& section, const BRString& name,
                                       const BRString& defaultValue, BRRegistryHive hive);
    virtual void setRegistryString(const BRString& section, const BRString& name,
                                   const BRString& value, BRRegistryHive hive);

    // Called with the settings file's path when a set cannot be stored and the set before it
    // could (or was the first): a store that stays unwritable is told of once, and again only
    // after a set has succeeded in between. An empty handler hears nothing.
    void setWriteFailureHandler(std::function<void(const BRString& path)> handler);

    // The integer a stored text holds, as getRegistryInteger reads it: decimal digits with an
    // optional sign, within 32 bits.
    static std::optional<int> storedInteger(const QString& text);

signals:
    // A set stored a value other than the one the file held under the name: key is
    // "section/name", or the name alone in the top level; value is the text now stored.
    void valueChanged(const QString& key, const QString& value);

private:
    void store(const BRString& section, const BRString& name, const QVariant& value);
    void noteWrite(bool stored);

    // Whether a settings call for name in hive can reach the store at all.
    bool settingsOpen(const BRString& name, BRRegistryHive hive) const;
    const QString& settingsFile();
    // The stored value of section/name, or none when the file cannot be read or lacks the key.
    std::optional<QVariant> storedValue(const BRString& section, const BRString& name);

    BRString m_appDirectory;
    BRString m_productName;
    std::map<BRString, BRValue> m_productValues;
    BRAppInfo m_productInfo;
    std::function<void(const BRString& path)> m_writeFailureHandler;
    bool m_writeFailing = false;
    QString m_settingsFile;
    std::unique_ptr<BRIniFileCache> m_file;
};

}  // namespace brio
