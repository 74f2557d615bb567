// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/PrivateTmpfs.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace ovatron::test {
namespace {

constexpr qint64 kFillChunk = 16 * 1024;

QString lastError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeProcFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

// Empty when this process now has a mount namespace of its own where it may mount.
QString enterOwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return lastError("no mount namespace of our own (not root, and no user namespace: the "
                             "kernel refuses one inside a chroot or where they are switched off)");
        if (!writeProcFile("/proc/self/setgroups", "deny")
            || !writeProcFile("/proc/self/uid_map", QByteArray("0 ") + QByteArray::number(uid) + " 1")
            || !writeProcFile("/proc/self/gid_map", QByteArray("0 ") + QByteArray::number(gid) + " 1"))
            return lastError("no user namespace of our own");
    }
    // What is mounted from now on stays in this namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return lastError(errno == EINVAL ? "/ is not a mount point (a chroot?), so mounts cannot be made private"
                                         : "mounts cannot be made private");
    return {};
}

}  // namespace

PrivateTmpfs::PrivateTmpfs(const QString& folder, qint64 bytes) : m_folder(folder)
{
    static const QString namespaceFailure = enterOwnMountNamespace();
    m_failure = namespaceFailure;
    if (!m_failure.isEmpty())
        return;
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(bytes);
    if (::mount("ovatron-test", QFile::encodeName(folder).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        m_failure = lastError("tmpfs cannot be mounted");
        return;
    }
    m_mounted = true;
}

PrivateTmpfs::~PrivateTmpfs()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

QString PrivateTmpfs::fillerPath() const
{
    return m_folder + QStringLiteral("/filler");
}

bool PrivateTmpfs::fill()
{
    QFile filler(fillerPath());
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray chunk(kFillChunk, '\0');
    while (filler.write(chunk) == chunk.size()) {
    }
    // The last bytes that fit in no whole chunk.
    while (filler.write(chunk.constData(), 1) == 1) {
    }
    filler.close();
    return filler.size() > 0;
}

bool PrivateTmpfs::makeRoom()
{
    return QFile::remove(fillerPath());
}

bool PrivateTmpfs::setReadOnly(bool readOnly)
{
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return ::mount(nullptr, QFile::encodeName(m_folder).constData(), nullptr, flags, nullptr) == 0;
}

}  // namespace ovatron::test
