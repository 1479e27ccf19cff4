#include "platform/SafeFile.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SafeFile::Content SafeFile::read(const QString &path, qint64 maxBytes, Links links)
{
    Content content;
    if (path.isEmpty() || maxBytes < 0)
        return content;
    // O_NONBLOCK: opening a FIFO must not wait for a writer. It does nothing to a regular file.
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (links == Links::Refuse)
        flags |= O_NOFOLLOW;
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) {
        const int error = errno;
        // A link refused by O_NOFOLLOW reports ELOOP.
        content.status = error == ENOENT ? Content::Status::Missing
            : error == ELOOP             ? Content::Status::NotAFile
                                         : Content::Status::Unreadable;
        content.reason = qt_error_string(error);
        return content;
    }
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        content.status = Content::Status::NotAFile;
        return content;
    }
    if (info.st_size > maxBytes) {
        content.status = Content::Status::TooLarge;
        return content;
    }

    // One byte past the limit tells a file that grew since fstat from one that fits.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (length > maxBytes)
                break;
            bytes.resize(qsizetype(std::min<qint64>(maxBytes + 1, 2 * qint64(length) + 4096)));
        }
        const ssize_t got = ::read(fd, bytes.data() + length, size_t(bytes.size() - length));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            content.status = Content::Status::Unreadable;
            content.reason = qt_error_string(errno);
            return content;
        }
        if (got == 0)
            break;
        length += got;
    }
    if (length > maxBytes) {
        content.status = Content::Status::TooLarge;
        return content;
    }
    bytes.truncate(length);
    content.status = Content::Status::Read;
    content.bytes = std::move(bytes);
    return content;
}
