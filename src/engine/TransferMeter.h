#pragma once

#include "engine/DownloadProgress.h"

#include <QtGlobal>

// Turns (time, bytes so far) readings of one download into the progress the views show: a speed
// smoothed over the last few seconds, so that a burst or a pause does not make the numbers jump,
// and the time left at that speed. Pure: the caller passes the clock.
class TransferMeter
{
public:
    // A speed is measured over at least this long before it is shown or blended in.
    static constexpr qint64 windowMs = 500;
    // How quickly older speed fades: after this long a reading weighs about a third as much.
    static constexpr double fadeMs = 3000.0;

    explicit TransferMeter(qint64 total = -1)
        : m_total(total)
    {
    }

    void setTotal(qint64 total) { m_total = total; }
    qint64 total() const { return m_total; }
    // received bytes so far at msecs on any steady clock. Fewer bytes than before mean the
    // download started over: the speed so far is kept, the count follows.
    void sample(qint64 msecs, qint64 received);
    DownloadProgress progress() const;

private:
    qint64 m_total = -1;
    qint64 m_received = 0;
    qint64 m_windowStartMs = -1;
    qint64 m_windowStartBytes = 0;
    double m_rate = -1.0; // bytes per millisecond
};
