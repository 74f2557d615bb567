// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRAppConfig.h"

#include "brio/BRFileInfo.h"
#include "brio/BRIniFileCache.h"
#include "brio/BRIniText.h"
#include "brio/BRStringQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

namespace brio {
namespace {

// The folder of the running program. /proc/self/exe works from the first instruction on,
// long before any application object exists; the current folder is the last resort.
QString programDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !program.empty())
        return QFileInfo(QFile::decodeName(program.c_str())).absolutePath();
    return QDir::currentPath();
}

QString absoluteFolder(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString settingsKey(const BRString& section, const BRString& name)
{
    if (section.empty())
        return toQString(name);
    return toQString(section) + QLatin1Char('/') + toQString(name);
}

// Qt keeps a write that it could not store pending in memory, serves it to later readers in
// this process and stores it along with the next write that succeeds. So a write is handed to
// Qt only when the file and its folder (where Qt also puts a lock file and the temporary
// copy) can be written.
bool writableFile(const QString& path)
{
    const QFileInfo file(path);
    if (!QDir().mkpath(file.path()))
        return false;
    if (file.exists() && !QFile(path).open(QIODevice::ReadWrite))
        return false;
    return BRFileInfo::folderTakesNewFiles(fromQString(file.path()));
}

// The settings hold secrets (show control's token): only their owner may read them. The
// folder is made private where this program makes it; the file is made private before its
// first write, and Qt's replacement of it keeps the mode of the file it replaces.
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

void makePrivate(const QString& path)
{
    const QFileInfo file(path);
    if (!file.dir().exists() && QDir().mkpath(file.path()))
        QFile::setPermissions(file.path(), kOwnerOnly | QFileDevice::ExeOwner);
    if (!file.exists()) {
        QFile created(path);
        created.open(QIODevice::WriteOnly, kOwnerOnly);
        return;
    }
    const QFileDevice::Permissions all = QFile::permissions(path);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (all & others)
        QFile::setPermissions(path, all & ~others);
}

bool readSettingsDevice(QIODevice& device, QSettings::SettingsMap& values)
{
    // A garbled file still yields what could be read, so that a write keeps it; the store's
    // reads check the file's form themselves.
    values = readIniText(device.readAll()).values;
    return true;
}

bool writeSettingsDevice(QIODevice& device, const QSettings::SettingsMap& values)
{
    const QByteArray text = iniText(values);
    return device.write(text) == text.size();
}

// The settings file's format for QSettings: Qt's INI format, read and written by BRIniText, so
// that QSettings locks and replaces the file but never decodes a value.
QSettings::Format iniTextFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("conf"), readSettingsDevice, writeSettingsDevice, Qt::CaseSensitive);
    return format;
}

// The INI text of a file as it is on disk now; none when it cannot be read. Reading takes no
// more memory than the file's own size, whatever its values claim.
std::optional<BRIniContents> readIniFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readIniText(file.readAll());
}

enum class WriteOutcome { Failed, Unchanged, Changed };

// The stored value, or none when the file cannot be read, is garbled anywhere or lacks the key.
std::optional<QVariant> valueIn(const std::optional<BRIniContents>& file, const QString& key)
{
    if (!file || !file->wellFormed)
        return std::nullopt;
    const auto found = file->values.constFind(key);
    if (found == file->values.constEnd())
        return std::nullopt;
    return *found;
}

// The user's settings file of the product, written through QSettings. It is read as it is on
// disk now, by BRIniFileCache rather than through QSettings, which serves its own earlier parse
// until the file changes and reports a garbled file only once.
class UserSettings {
public:
    explicit UserSettings(const BRString& productName)
        : m_settings(iniTextFormat(), QSettings::UserScope, toQString(productName),
                     toQString(productName))
    {
        // Only the user's own file counts: no organisation-wide or system-wide defaults.
        m_settings.setFallbacksEnabled(false);
    }

    // QSettings replaces the file as a whole through a temporary copy, so a write that
    // fails (a full disk) leaves the old file as it was.
    WriteOutcome write(const QString& key, const QVariant& value, BRIniFileCache& file)
    {
        makePrivate(m_settings.fileName());
        if (!writableFile(m_settings.fileName()))
            return WriteOutcome::Failed;
        const std::optional<BRIniContents> now = file.read(m_settings.fileName());
        const std::optional<QVariant> before = valueIn(now, key);
        catchUp(now);
        m_settings.setValue(key, value);
        m_settings.sync();
        if (m_settings.status() == QSettings::NoError) {
            const bool same = before && before->typeId() == QMetaType::QString &&
                              before->toString() == value.toString();
            return same ? WriteOutcome::Unchanged : WriteOutcome::Changed;
        }
        // Qt keeps the value pending and would store it with the next write that succeeds;
        // putting back what the file holds makes the failed set forgotten.
        if (before)
            m_settings.setValue(key, *before);
        else
            m_settings.remove(key);
        return WriteOutcome::Failed;
    }

    QString fileName() const { return m_settings.fileName(); }

private:
    // Qt serves its own earlier parse while the file's size and time look unchanged, so an
    // edit from outside within one tick of the file system's clock would be written over with
    // what Qt read before it. What Qt holds is made what the file holds now first.
    void catchUp(const std::optional<BRIniContents>& now)
    {
        if (!now)
            return;
        for (const QString& held : m_settings.allKeys()) {
            if (!now->values.contains(held))
                m_settings.remove(held);
        }
        for (auto stored = now->values.cbegin(); stored != now->values.cend(); ++stored) {
            if (m_settings.value(stored.key()) != stored.value())
                m_settings.setValue(stored.key(), stored.value());
        }
    }

    QSettings m_settings;
};

// A stored value is a text, a list or a serialized object; only a text can be a number.
std::optional<int> integerOf(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return BRAppConfig::storedInteger(value.toString());
}

std::optional<QString> textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    return std::nullopt;
}

// An INI value with unquoted commas comes back as a list; the line meant one text. A
// serialized object is no text.
std::optional<QString> productText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return textOf(value);
}

}  // namespace

BRAppInfo::BRAppInfo(const BRString& title, int majorVersion, int minorVersion, int revision,
                     int build)
    : m_title(title),
      m_majorVersion(majorVersion),
      m_minorVersion(minorVersion),
      m_revision(revision),
      m_build(build)
{
}

BRAppConfig::BRAppConfig(const BRString& appDirectoryOverride)
    : m_appDirectory(fromQString(appDirectoryOverride.empty()
                                     ? programDirectory()
                                     : absoluteFolder(toQString(appDirectoryOverride)))),
      m_file(std::make_unique<BRIniFileCache>())
{
}

BRAppConfig::~BRAppConfig() = default;

void BRAppConfig::setProductValue(const BRString& key, const BRValue& value)
{
    m_productValues.insert_or_assign(key, value);
}

BRString BRAppConfig::getProductString(const BRString& key) const
{
    const auto found = m_productValues.find(key);
    if (found == m_productValues.end())
        return BRString();
    return found->second.toString();
}

int BRAppConfig::getProductInt32(const BRString& key) const
{
    const auto found = m_productValues.find(key);
    if (found == m_productValues.end())
        return 0;
    const std::int64_t number = found->second.toInteger();
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(number);
}

void BRAppConfig::loadProductInfo(const BRString& path)
{
    if (path.empty())
        return;
    const std::optional<BRIniContents> file = readIniFile(toQString(path));
    if (!file)
        return;
    // A garbled line does not spoil the others; those are kept.
    for (auto value = file->values.cbegin(); value != file->values.cend(); ++value) {
        const std::optional<QString> text = productText(value.value());
        if (!text)
            continue;
        bool isNumber = false;
        const int number = text->toInt(&isNumber, 10);
        setProductValue(fromQString(value.key()),
                        isNumber ? BRValue(number) : BRValue(fromQString(*text)));
    }
}

void BRAppConfig::init(const BRString& productName)
{
    m_productName = productName;
    m_settingsFile.clear();
}

// Qt settles where the user's settings live once per process, so the name is asked for once.
const QString& BRAppConfig::settingsFile()
{
    if (m_settingsFile.isEmpty())
        m_settingsFile = UserSettings(m_productName).fileName();
    return m_settingsFile;
}

std::optional<QVariant> BRAppConfig::storedValue(const BRString& section, const BRString& name)
{
    return valueIn(m_file->read(settingsFile()), settingsKey(section, name));
}

bool BRAppConfig::settingsOpen(const BRString& name, BRRegistryHive hive) const
{
    return !m_productName.empty() && !name.empty() && hive == BRRegistryHive::User;
}

int BRAppConfig::getRegistryInteger(const BRString& section, const BRString& name,
                                    int defaultValue, BRRegistryHive hive)
{
    const std::optional<QVariant> stored =
        settingsOpen(name, hive) ? storedValue(section, name) : std::nullopt;
    const std::optional<int> number = stored ? integerOf(*stored) : std::nullopt;
    return number.value_or(defaultValue);
}

void BRAppConfig::setRegistryInteger(const BRString& section, const BRString& name, int value,
                                     BRRegistryHive hive)
{
    if (settingsOpen(name, hive))
        store(section, name, value);
}

BRString BRAppConfig::getRegistryString(const BRString& section, const BRString& name,
                                        const BRString& defaultValue, BRRegistryHive hive)
{
    const std::optional<QVariant> stored =
        settingsOpen(name, hive) ? storedValue(section, name) : std::nullopt;
    const std::optional<QString> text = stored ? textOf(*stored) : std::nullopt;
    return text ? fromQString(*text) : defaultValue;
}

void BRAppConfig::setRegistryString(const BRString& section, const BRString& name,
                                    const BRString& value, BRRegistryHive hive)
{
    if (settingsOpen(name, hive))
        store(section, name, toQString(value));
}

void BRAppConfig::store(const BRString& section, const BRString& name, const QVariant& value)
{
    const QString key = settingsKey(section, name);
    const WriteOutcome outcome = UserSettings(m_productName).write(key, value, *m_file);
    noteWrite(outcome != WriteOutcome::Failed);
    if (outcome == WriteOutcome::Changed)
        emit valueChanged(key, value.toString());
}

std::optional<int> BRAppConfig::storedInteger(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

void BRAppConfig::setWriteFailureHandler(std::function<void(const BRString& path)> handler)
{
    m_writeFailureHandler = std::move(handler);
}

void BRAppConfig::noteWrite(bool stored)
{
    const bool news = !stored && !m_writeFailing;
    m_writeFailing = !stored;
    if (news && m_writeFailureHandler)
        m_writeFailureHandler(fromQString(UserSettings(m_productName).fileName()));
}

}  // namespace brio
