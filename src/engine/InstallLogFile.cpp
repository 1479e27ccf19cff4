#include "engine/InstallLogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// How long lines may wait in memory before the worker writes them.
constexpr std::chrono::milliseconds writeInterval { 500 };
// A burst this long wakes the worker early, so the queue stays small.
constexpr size_t wakeAt = 4096;

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
    const qint64 msecs = msecsSinceEpoch >= 0 ? msecsSinceEpoch : QDateTime::currentMSecsSinceEpoch();
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        ++m_queued;
        if (m_queue.size() >= queueLimit) {
            ++m_dropped;
            ++m_done;
            return;
        }
        m_queue.push_back({ msecs, appID, text });
        wake = m_queue.size() == wakeAt;
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
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait_for(
            lock, writeInterval, [this] { return m_stopping || m_flushWanted || m_queue.size() >= wakeAt; });
        std::vector<Entry> batch;
        batch.swap(m_queue);
        const quint64 dropped = std::exchange(m_dropped, 0);
        const bool stopping = m_stopping;
        m_flushWanted = false;
        lock.unlock();

        if (dropped > 0)
            batch.push_back({ QDateTime::currentMSecsSinceEpoch(), QString(),
                u"note: %1 lines were left out of this file while the disk was too slow."_s.arg(dropped) });
        write(batch);

        lock.lock();
        m_done += batch.size() - (dropped > 0 ? 1 : 0);
        m_written.notify_all();
        if (stopping && m_queue.empty())
            return;
    }
}

void InstallLogFile::write(const std::vector<Entry> &batch)
{
    // One write per day file and batch; lines of a batch that spans midnight go to two files.
    Stamps stamps;
    QDate openDay;
    QByteArray chunk;
    const auto save = [&] {
        if (chunk.isEmpty() || !QDir().mkpath(m_folder))
            return;
        QFile file(QDir(m_folder).filePath(fileName(openDay)));
        // Append mode: other writers of the folder (another copy of the program) never clobber.
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(chunk);
        chunk.clear();
    };
    for (const Entry &entry : batch) {
        QDate day;
        const QByteArray &stamp = stamps.of(entry.msecs, &day);
        if (day != openDay) {
            save();
            openDay = day;
        }
        if (day != m_prunedFor)
            prune(day);
        chunk += stamp;
        if (!entry.appID.isEmpty())
            chunk += '[' + entry.appID.toUtf8() + "] ";
        // One line of the file per log line, whatever the tool printed inside it.
        chunk += entry.text.toUtf8().replace('\n', ' ');
        chunk += '\n';
    }
    save();
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
