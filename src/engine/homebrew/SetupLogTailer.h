#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Copies the lines of a log file that another process is still writing into the installer log,
// each line once: every 0.3 seconds the complete lines, at the end whatever is left.
class SetupLogTailer : public QObject
{
    Q_OBJECT

public:
    using Sink = std::function<void(const QString &line)>;
    static constexpr int intervalMs = 300;
    // A setup writes a few hundred kilobytes; a file larger than this is not its log.
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

    SetupLogTailer(QString path, Sink sink, QObject *parent = nullptr);

    // Starts the passes; the counter starts at 0.
    void start();
    // Stops the passes and copies what is left, the unfinished last piece included.
    void finish();
    // How many pieces of the file have been counted so far (empty ones too).
    qint64 linesEmitted() const { return m_emitted; }

    // The non-empty pieces of text (split at each line feed) from index *emitted on, advancing
    // *emitted past every piece counted. The last piece is a line still being written and is only
    // taken when includeLast is set.
    static QStringList take(const QString &text, qint64 *emitted, bool includeLast);

Q_SIGNALS:
    // Emitted after a pass that counted at least one piece.
    void linesEmittedChanged(qint64 count);

private:
    void pass(bool includeLast);

    QString m_path;
    Sink m_sink;
    QTimer m_timer;
    qint64 m_emitted = 0;
};
