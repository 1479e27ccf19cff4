#include "engine/operations/DownloadProgressPublisher.h"

DownloadProgressPublisher::DownloadProgressPublisher(Sink sink)
    : m_sink(std::move(sink))
{
    m_clock.start();
}

void DownloadProgressPublisher::update(qint64 received, qint64 total)
{
    const qint64 now = m_clock.elapsed();
    m_meter.setTotal(total);
    m_meter.sample(now, received);
    if (m_publishedAt >= 0 && now - m_publishedAt < intervalMs)
        return;
    m_publishedAt = now;
    m_sink(m_meter.progress());
}

void DownloadProgressPublisher::finish()
{
    if (m_publishedAt < 0)
        return;
    m_publishedAt = m_clock.elapsed();
    m_sink(m_meter.progress());
}
