#include "engine/homebrew/SetupLogTailer.h"

#include "platform/SafeFile.h"

SetupLogTailer::SetupLogTailer(QString path, Sink sink, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_sink(std::move(sink))
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { pass(false); });
}

void SetupLogTailer::start()
{
    m_emitted = 0;
    pass(false);
    m_timer.start();
}

void SetupLogTailer::finish()
{
    m_timer.stop();
    pass(true);
}

QStringList SetupLogTailer::take(const QString &text, qint64 *emitted, bool includeLast)
{
    // Split on the line feed itself: a carriage return before it stays at the end of its piece.
    const QStringList pieces = text.split(QLatin1Char('\n'));
    const qint64 available = includeLast ? pieces.size() : pieces.size() - 1;
    QStringList lines;
    for (; *emitted < available; ++*emitted) {
        const QString &piece = pieces.at(*emitted);
        if (!piece.isEmpty())
            lines.append(piece);
    }
    return lines;
}

void SetupLogTailer::pass(bool includeLast)
{
    // Not there (yet), or not a file the setup wrote: nothing to copy in this pass.
    const SafeFile::Content content = SafeFile::read(m_path, maxFileSize);
    if (!content.isRead())
        return;
    // Bytes that are not UTF-8 become replacement characters rather than holding back every
    // line after them.
    const QString text = QString::fromUtf8(content.bytes);
    const qint64 before = m_emitted;
    const QStringList lines = take(text, &m_emitted, includeLast);
    for (const QString &line : lines)
        m_sink(line);
    if (m_emitted != before)
        Q_EMIT linesEmittedChanged(m_emitted);
}
