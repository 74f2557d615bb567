#include "brio/BRAppConfig.h"

#include "brio/BRStringQt.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

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

// One version of a file on disk.
struct FileStamp {
    qint64 size = 0;
    QDateTime modified;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.size(), info.lastModified()};
}

// Qt parses a settings file once and serves later readers from memory until the file
// changes, and only that parse reports a format error. Remembering which version of a file
// was garbled makes every read of it yield defaults, not only the first.
QHash<QString, FileStamp>& garbledFiles()
{
    static QHash<QString, FileStamp> files;
    return files;
}

bool readableFile(const QSettings& settings)
{
    const QString path = settings.fileName();
    switch (settings.status()) {
    case QSettings::NoError: {
        const auto garbled = garbledFiles().constFind(path);
        return garbled == garbledFiles().constEnd() || *garbled != stampOf(path);
    }
    case QSettings::FormatError:
        garbledFiles().insert(path, stampOf(path));
        return false;
    case QSettings::AccessError:
        break;
    }
    return false;
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
    QTemporaryFile probe(file.path() + QStringLiteral("/probe.XXXXXX"));
    return probe.open();
}

// The user's settings file of the product, read as it is on disk now.
class UserSettings {
public:
    explicit UserSettings(const BRString& productName)
        : m_settings(QSettings::NativeFormat, QSettings::UserScope, toQString(productName),
                     toQString(productName))
    {
        // Only the user's own file counts: no organisation-wide or system-wide defaults.
        m_settings.setFallbacksEnabled(false);
    }

    // The stored value, or none when the file cannot be read or parsed or lacks the key.
    std::optional<QVariant> read(const QString& key) const
    {
        // Sections are parsed on first use; parsing them all reports an error anywhere.
        static_cast<void>(m_settings.allKeys());
        if (!readableFile(m_settings))
            return std::nullopt;
        QVariant value = m_settings.value(key);
        if (!value.isValid())
            return std::nullopt;
        return value;
    }

    // QSettings replaces the file as a whole through a temporary copy, so a write that
    // fails leaves the old file as it was.
    void write(const QString& key, const QVariant& value)
    {
        if (!writableFile(m_settings.fileName()))
            return;
        m_settings.setValue(key, value);
        m_settings.sync();
    }

private:
    QSettings m_settings;
};

// The stored value of section/name, or none when the store is closed to the call, cannot
// be read or lacks the key.
std::optional<QVariant> storedValue(bool open, const BRString& productName,
                                    const BRString& section, const BRString& name)
{
    if (!open)
        return std::nullopt;
    return UserSettings(productName).read(settingsKey(section, name));
}

void storeValue(bool open, const BRString& productName, const BRString& section,
                const BRString& name, const QVariant& value)
{
    if (open)
        UserSettings(productName).write(settingsKey(section, name), value);
}

// A value written by this run is still an int in memory; one read from the file is text.
std::optional<int> integerOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const int number = value.toString().toInt(&ok, 10);
        if (ok)
            return number;
    }
    return std::nullopt;
}

std::optional<QString> textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::Int)
        return QString::number(value.toInt());
    return std::nullopt;
}

// An INI value with unquoted commas comes back as a list; the line meant one text.
QString productText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
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
                                     : absoluteFolder(toQString(appDirectoryOverride))))
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
    const QSettings file(toQString(path), QSettings::IniFormat);
    if (file.status() == QSettings::AccessError)
        return;
    // A format error still leaves the lines read before it; those are kept.
    const QStringList keys = file.allKeys();
    for (const QString& key : keys) {
        const QString text = productText(file.value(key));
        bool isNumber = false;
        const int number = text.toInt(&isNumber, 10);
        setProductValue(fromQString(key), isNumber ? BRValue(number) : BRValue(fromQString(text)));
    }
}

void BRAppConfig::init(const BRString& productName)
{
    m_productName = productName;
}

bool BRAppConfig::settingsOpen(const BRString& name, BRRegistryHive hive) const
{
    return !m_productName.empty() && !name.empty() && hive == BRRegistryHive::User;
}

int BRAppConfig::getRegistryInteger(const BRString& section, const BRString& name,
                                    int defaultValue, BRRegistryHive hive)
{
    const std::optional<QVariant> stored =
        storedValue(settingsOpen(name, hive), m_productName, section, name);
    const std::optional<int> number = stored ? integerOf(*stored) : std::nullopt;
    return number.value_or(defaultValue);
}

void BRAppConfig::setRegistryInteger(const BRString& section, const BRString& name, int value,
                                     BRRegistryHive hive)
{
    storeValue(settingsOpen(name, hive), m_productName, section, name, value);
}

BRString BRAppConfig::getRegistryString(const BRString& section, const BRString& name,
                                        const BRString& defaultValue, BRRegistryHive hive)
{
    const std::optional<QVariant> stored =
        storedValue(settingsOpen(name, hive), m_productName, section, name);
    const std::optional<QString> text = stored ? textOf(*stored) : std::nullopt;
    return text ? fromQString(*text) : defaultValue;
}

void BRAppConfig::setRegistryString(const BRString& section, const BRString& name,
                                    const BRString& value, BRRegistryHive hive)
{
    storeValue(settingsOpen(name, hive), m_productName, section, name, toQString(value));
}

}  // namespace brio
