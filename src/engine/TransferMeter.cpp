#include "engine/TransferMeter.h"

#include <cmath>

void TransferMeter::sample(qint64 msecs, qint64 received)
{
    if (m_windowStartMs < 0 || received < m_received || msecs < m_windowStartMs) {
        m_windowStartMs = msecs;
        m_windowStartBytes = received;
        m_received = received;
        return;
    }
    m_received = received;
    const qint64 elapsed = msecs - m_windowStartMs;
    if (elapsed < windowMs)
        return;
    const double rate = double(received - m_windowStartBytes) / double(elapsed);
    if (m_rate < 0) {
        m_rate = rate;
    } else {
        const double weight = 1.0 - std::exp(-double(elapsed) / fadeMs);
        m_rate += weight * (rate - m_rate);
    }
    m_windowStartMs = msecs;
    m_windowStartBytes = received;
}

DownloadProgress TransferMeter::progress() const
{
    DownloadProgress progress;
    progress.received = m_received;
    progress.total = m_total;
    if (m_rate >= 0)
        progress.bytesPerSecond = qint64(std::llround(m_rate * 1000.0));
    if (progress.determinate() && m_rate > 0)
        progress.secondsLeft = qint64(std::ceil(double(m_total - m_received) / (m_rate * 1000.0)));
    return progress;
}
