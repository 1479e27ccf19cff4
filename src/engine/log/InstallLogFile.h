#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringEncoder>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// The install log on disk, so it is still there after the program quits: each day's lines are
// appended to one file of a folder ("install-2025-05-01.log"), files older than keptDays are
// deleted, and nothing is ever read back. No link is written through or followed to prune. append() only queues the
// line; a worker thread writes the queue every half second, so the stream of brew's output never waits for the disk.
// All engines of a process that use one folder share one writer (forFolder), which keeps their lines whole and in order
// in the same file.
class InstallLogFile
{
    Q_DECLARE_TR_FUNCTIONS(InstallLogFile)

public:
    static constexpr int keptDays = 14;
    // Past this many unwritten bytes (a disk that stalls, a flood of output on a busy machine),
    // new lines are counted and dropped, so memory stays bounded.
    static constexpr qsizetype queueLimit = 4 * 1024 * 1024;

    // The writer of folder, made on first use and shared while anyone holds it; none when the
    // folder is a symbolic link, which is not used.
    static std::shared_ptr<InstallLogFile> forFolder(const QString &folder);

    explicit InstallLogFile(QString folder);
    // Writes what is still queued, then stops the worker.
    ~InstallLogFile();
    InstallLogFile(const InstallLogFile &) = delete;
    InstallLogFile &operator=(const InstallLogFile &) = delete;

    const QString &folder() const { return m_folder; }

    // Queues one line, stamped with the local time of msecsSinceEpoch (now when negative).
    void append(const QString &appID, const QString &text, qint64 msecsSinceEpoch = -1);
    // Returns once every line queued before the call is in its file (or could not be written).
    void flush();

    static QString fileName(QDate day);

private:
    void run();
    // Writes the records of queue; returns how many lines they held.
    quint64 write(const QByteArray &queue);
    // The folder, never through a link in its place (made first when create is set); -1 when not.
    int openFolder(bool create) const;
    static bool appendTo(int folder, const QString &name, const QByteArray &bytes);
    void prune(int folder, QDate today);

    QString m_folder;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_written;
    // Lines as records (time, app id, text in UTF-8) back to back: the worker shares no string
    // with the stream, and a burst costs no allocation once the two buffers have grown.
    QByteArray m_queue;
    QStringEncoder m_encoder;
    quint64 m_queued = 0; // lines handed to append() so far, dropped ones included
    quint64 m_done = 0; // of those, how many the worker has dealt with
    quint64 m_dropped = 0;
    bool m_flushWanted = false;
    bool m_stopping = false;
    QDate m_prunedFor; // the worker's: the day old files were last deleted for
    std::thread m_worker;
};
