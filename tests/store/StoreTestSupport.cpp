// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreTestSupport.h"

#include "store/EventRecorder.h"
#include "store/StoreLocation.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>

#include <sys/syscall.h>
#include <unistd.h>

namespace ovatron::test {
namespace {

QTemporaryDir& temporaryHome()
{
    static QTemporaryDir dir;
    return dir;
}

void removeWritable(const QString& path)
{
    QDir dir(path);
    if (!dir.exists())
        return;
    // A test may have left a folder read-only; give the rights back before removing it.
    const auto allRights = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(path, allRights);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::setPermissions(dir.filePath(entry), allRights);
    dir.removeRecursively();
}

class FreshFolders : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        removeWritable(dataFolder());
        removeWritable(scratchFolder());
        QDir().mkpath(scratchFolder());
    }
};

}  // namespace

void prepareStoreTests(int& argc, char** argv)
{
    const QString home = temporaryHome().path();
    QDir().mkpath(home + QStringLiteral("/data"));
    QDir().mkpath(home + QStringLiteral("/config"));
    setenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/data")).constData(), 1);
    setenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/config")).constData(), 1);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshFolders);
}

QString dataFolder()
{
    return temporaryHome().path() + QStringLiteral("/data/Ovatron");
}

QString databasePath()
{
    return defaultDatabasePath();
}

QString scratchFolder()
{
    return temporaryHome().path() + QStringLiteral("/scratch");
}

QDateTime showStart()
{
    return QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, Qt::UTC);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList movedAsideFiles()
{
    QStringList files;
    const QDir dir(dataFolder());
    const QStringList names = dir.entryList({QStringLiteral("events.sqlite.unreadable-*")},
        QDir::Files);
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String("-wal")) && !name.endsWith(QLatin1String("-shm"))
            && !name.endsWith(QLatin1String("-journal")))
            files.append(dir.filePath(name));
    }
    return files;
}

void recordContestants(EventRecorder& recorder, const Contestants& contestants,
    qint64 firstOrder)
{
    const QDateTime start = showStart();
    qint64 order = firstOrder;
    for (const auto& [name, score] : contestants) {
        recorder.contestantStarted(order, name, start.addSecs(order * 60));
        for (int level = 10; level < score; level += 10)
            recorder.scoreRaised(order, level);
        recorder.scoreRaised(order, score);
        recorder.turnEnded(order, start.addSecs(order * 60 + 30));
        ++order;
    }
}

FilePermissionsEnforced::FilePermissionsEnforced()
{
    if (geteuid() != 0)
        return;
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    if (syscall(SYS_capget, &header, m_saved) != 0)
        return;
    __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3];
    std::copy(std::begin(m_saved), std::end(m_saved), std::begin(lowered));
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        lowered[CAP_TO_INDEX(capability)].effective &= ~CAP_TO_MASK(capability);
    m_dropped = syscall(SYS_capset, &header, lowered) == 0;
}

FilePermissionsEnforced::~FilePermissionsEnforced()
{
    if (!m_dropped)
        return;
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    syscall(SYS_capset, &header, m_saved);
}

bool canCreateFileIn(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/.write-probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limit = m_saved;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}

void runSql(const QString& path, const QStringList& statements)
{
    const QString connection = QStringLiteral("test-sql");
    {
        QDir().mkpath(QFileInfo(path).path());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString() << ": "
                                               << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(connection);
}

}  // namespace ovatron::test
