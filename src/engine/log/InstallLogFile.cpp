#include "engine/log/InstallLogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// How long lines may wait in memory before the worker writes them.
constexpr std::chrono::milliseconds writeInterval { 500 };
// A burst this long (in bytes) wakes the worker early, so the queue stays small.
constexpr qsizetype wakeAt = 256 * 1024;

// What precedes a line's app id and text in the queue.
struct Header
{
    qint64 msecs;
    qint32 appBytes;
    qint32 textBytes;
};

// Local time of a line, formatted once per second: a burst of output shares a handful of stamps.
class Stamps
{
public:
    const QByteArray &of(qint64 msecs, QDate *day)
    {
        const qint64 second = msecs / 1000;
        if (second != m_second) {
            const QDateTime local = QDateTime::fromMSecsSinceEpoch(second * 1000);
            m_second = second;
            m_day = local.date();
            m_stamp = local.toString(u"yyyy-MM-dd HH:mm:ss "_s).toUtf8();
        }
        *day = m_day;
        return m_stamp;
    }

private:
    qint64 m_second = -1;
    QDate m_day;
    QByteArray m_stamp;
};

} // namespace

std::shared_ptr<InstallLogFile> InstallLogFile::forFolder(const QString &folder)
{
    static std::mutex mutex;
    static std::map<QString, std::weak_ptr<InstallLogFile>> writers;
    const QString key = QDir::cleanPath(QDir(folder).absolutePath());
    // A folder that is a link would have the log write, and prune, wherever it leads.
    if (QFileInfo(key).isSymLink())
        return nullptr;
    const std::lock_guard lock(mutex);
    std::shared_ptr<InstallLogFile> writer = writers[key].lock();
    if (!writer) {
        writer = std::make_shared<InstallLogFile>(key);
        writers[key] = writer;
    }
    return writer;
}

InstallLogFile::InstallLogFile(QString folder)
    : m_folder(std::move(folder))
    , m_encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless)
{
    m_worker = std::thread([this] { run(); });
}

InstallLogFile::~InstallLogFile()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_worker.join();
}

QString InstallLogFile::fileName(QDate day)
{
    return u"install-"_s + day.toString(u"yyyy-MM-dd"_s) + u".log"_s;
}

void InstallLogFile::append(const QString &appID, const QString &text, qint64 msecsSinceEpoch)
{
    const Header header { msecsSinceEpoch >= 0 ? msecsSinceEpoch : QDateTime::currentMSecsSinceEpoch(), 0, 0 };
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        ++m_queued;
        const qsizetype start = m_queue.size();
        const qsizetype needed = start + qsizetype(sizeof(Header)) + 3 * (appID.size() + text.size());
        if (needed > queueLimit) {
            ++m_dropped;
            ++m_done;
            return;
        }
        if (m_queue.capacity() < needed)
            m_queue.reserve(std::max(needed, 2 * m_queue.capacity()));
        m_queue.resize(needed);
        char *const headerAt = m_queue.data() + start;
        char *const appAt = headerAt + sizeof(Header);
        char *const textAt = m_encoder.appendToBuffer(appAt, appID);
        char *const end = m_encoder.appendToBuffer(textAt, text);
        const Header filled { header.msecs, qint32(textAt - appAt), qint32(end - textAt) };
        std::memcpy(headerAt, &filled, sizeof(Header));
        m_queue.resize(end - m_queue.constData());
        wake = start < wakeAt && m_queue.size() >= wakeAt;
    }
    if (wake)
        m_wake.notify_one();
}

void InstallLogFile::flush()
{
    std::unique_lock lock(m_mutex);
    const quint64 target = m_queued;
    m_flushWanted = true;
    m_wake.notify_one();
    m_written.wait(lock, [&] { return m_done >= target; });
}

void InstallLogFile::run()
{
    if (const int folder = openFolder(false); folder >= 0) {
        prune(folder, QDate::currentDate());
        ::close(folder);
    }
    // Two buffers trade places, so neither side allocates again once a burst has sized them.
    QByteArray batch;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait_for(
            lock, writeInterval, [this] { return m_stopping || m_flushWanted || m_queue.size() >= wakeAt; });
        batch.swap(m_queue);
        const quint64 dropped = std::exchange(m_dropped, 0);
        const bool stopping = m_stopping;
        m_flushWanted = false;
        lock.unlock();

        const quint64 written = write(batch);
        batch.resize(0);
        if (dropped > 0) {
            QByteArray note;
            const QString text = u"note: "_s
                + tr("%n lines were left out of this file while the disk was too slow.", nullptr, int(dropped));
            const Header header { QDateTime::currentMSecsSinceEpoch(), 0, qint32(text.toUtf8().size()) };
            note.append(reinterpret_cast<const char *>(&header), sizeof(Header)).append(text.toUtf8());
            write(note);
        }

        lock.lock();
        m_done += written;
        m_written.notify_all();
        if (stopping && m_queue.isEmpty())
            return;
    }
}

quint64 InstallLogFile::write(const QByteArray &queue)
{
    // Lines that find no folder to go to are still counted as dealt with.
    const int folder = queue.isEmpty() ? -1 : openFolder(true);
    const auto closing = qScopeGuard([folder] {
        if (folder >= 0)
            ::close(folder);
    });
    // A few large writes per batch; lines of a batch that spans midnight go to two files.
    Stamps stamps;
    QDate openDay;
    QByteArray chunk;
    chunk.reserve(wakeAt + 64 * 1024);
    const auto save = [&] {
        if (!chunk.isEmpty() && folder >= 0)
            appendTo(folder, fileName(openDay), chunk);
        chunk.resize(0); // keeps its capacity for the next piece
    };
    quint64 lines = 0;
    for (qsizetype at = 0; at + qsizetype(sizeof(Header)) <= queue.size(); ++lines) {
        Header header;
        std::memcpy(&header, queue.constData() + at, sizeof(Header));
        const char *const app = queue.constData() + at + sizeof(Header);
        at += qsizetype(sizeof(Header)) + header.appBytes + header.textBytes;

        QDate day;
        const QByteArray &stamp = stamps.of(header.msecs, &day);
        if (day != openDay || chunk.size() >= wakeAt) {
            save();
            openDay = day;
        }
        if (day != m_prunedFor && folder >= 0)
            prune(folder, day);
        // "stamp [app] text\n", written in place: one resize per line.
        const qsizetype start = chunk.size();
        const qsizetype appPart = header.appBytes > 0 ? header.appBytes + 3 : 0;
        chunk.resize(start + stamp.size() + appPart + header.textBytes + 1);
        char *out = chunk.data() + start;
        out = std::copy_n(stamp.constData(), stamp.size(), out);
        if (appPart > 0) {
            *out++ = '[';
            out = std::copy_n(app, header.appBytes, out);
            *out++ = ']';
            *out++ = ' ';
        }
        // One line of the file per log line, whatever the tool printed inside it.
        const char *const text = app + header.appBytes;
        char *const textOut = out;
        out = std::copy_n(text, header.textBytes, out);
        if (std::memchr(text, '\n', size_t(header.textBytes)))
            std::replace(textOut, out, '\n', ' ');
        *out = '\n';
    }
    save();
    return lines;
}

int InstallLogFile::openFolder(bool create) const
{
    if (create)
        QDir().mkpath(m_folder);
    // Never through a link put in the folder's place, whenever it was put there.
    return ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool InstallLogFile::appendTo(int folder, const QString &name, const QByteArray &bytes)
{
    // Append mode: other writers of the folder (another copy of the program) never clobber. A link
    // at the name is not written through, and a FIFO there neither holds the writer nor is written.
    const int fd = ::openat(folder, QFile::encodeName(name).constData(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return false;
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

void InstallLogFile::prune(int folder, QDate today)
{
    m_prunedFor = today;
    static const QRegularExpression name(u"^install-(\\d{4}-\\d{2}-\\d{2})\\.log$"_s);
    // Read through a descriptor of its own, from the start: a copy shares the folder's position.
    const int copy = ::dup(folder);
    DIR *const dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return;
    }
    const auto closing = qScopeGuard([dir] { ::closedir(dir); });
    ::rewinddir(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const QRegularExpressionMatch match = name.match(QFile::decodeName(entry->d_name));
        if (!match.hasMatch())
            continue;
        const QDate day = QDate::fromString(match.captured(1), u"yyyy-MM-dd"_s);
        if (!day.isValid() || day.daysTo(today) <= keptDays)
            continue;
        // A link that merely carries such a name goes itself, never what it leads to; a folder
        // of that name is not the log's.
        struct stat info = {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(info.st_mode))
            ::unlinkat(folder, entry->d_name, 0);
    }
}
