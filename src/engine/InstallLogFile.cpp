#include "engine/InstallLogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>

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
    prune(QDate::currentDate());
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
            const QString text
                = u"note: %1 lines were left out of this file while the disk was too slow."_s.arg(dropped);
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
    // A few large writes per batch; lines of a batch that spans midnight go to two files.
    Stamps stamps;
    QDate openDay;
    QByteArray chunk;
    chunk.reserve(wakeAt + 64 * 1024);
    const auto save = [&] {
        if (chunk.isEmpty() || !QDir().mkpath(m_folder))
            return;
        QFile file(QDir(m_folder).filePath(fileName(openDay)));
        // Append mode: other writers of the folder (another copy of the program) never clobber.
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(chunk);
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
        if (day != m_prunedFor)
            prune(day);
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

void InstallLogFile::prune(QDate today)
{
    m_prunedFor = today;
    static const QRegularExpression name(u"^install-(\\d{4}-\\d{2}-\\d{2})\\.log$"_s);
    QDir dir(m_folder);
    for (const QString &file : dir.entryList({ u"install-*.log"_s }, QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            continue;
        const QDate day = QDate::fromString(match.captured(1), u"yyyy-MM-dd"_s);
        if (day.isValid() && day.daysTo(today) > keptDays)
            dir.remove(file);
    }
}
