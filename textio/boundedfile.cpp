// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textio/boundedfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace keyvora {

namespace {

// Closes the descriptor on every way out of the reader.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FileBytes readRegularFile(const QString &path, qint64 maxBytes)
{
    FileBytes result;
    const QByteArray name = QFile::encodeName(path);
    // Opening some devices has side effects (a serial line raises its control lines), so
    // they are refused before opening; fstat below closes the gap to the actual read.
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;
    // O_NONBLOCK: a path swapped for a FIFO after the check must not block the open.
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;
    if (info.st_size > maxBytes) {
        result.status = FileBytes::Status::TooLarge;
        return result;
    }

    // The reported size is only a hint: /proc files report 0 and a file may grow while it is
    // read. Reading stops one byte past the limit, which is enough to refuse it.
    const qsizetype cap = maxBytes + 1;
    QByteArray bytes(qMin<qsizetype>(info.st_size + 1, cap), Qt::Uninitialized);
    qsizetype total = 0;
    while (total < cap) {
        if (total == bytes.size())
            bytes.resize(qMin(qMax<qsizetype>(2 * total, 64 * 1024), cap));
        const ssize_t got = ::read(fd.get(), bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return result;
        if (got == 0)
            break;
        total += got;
    }
    if (total > maxBytes) {
        result.status = FileBytes::Status::TooLarge;
        return result;
    }
    bytes.truncate(total);
    result.status = FileBytes::Status::Loaded;
    result.bytes = std::move(bytes);
    return result;
}

} // namespace keyvora
