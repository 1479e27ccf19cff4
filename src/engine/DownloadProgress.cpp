#include "engine/DownloadProgress.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DownloadProgress", text);
}

} // namespace

QString DownloadProgress::size(qint64 bytes)
{
    const QLocale c = QLocale::c();
    if (bytes < 1000)
        return tr("%1 bytes").arg(bytes);
    if (bytes < 1000 * 1000)
        return tr("%1 KB").arg(bytes / 1000);
    if (bytes < qint64(1000) * 1000 * 1000)
        return tr("%1 MB").arg(c.toString(double(bytes) / 1e6, 'f', 1));
    return tr("%1 GB").arg(c.toString(double(bytes) / 1e9, 'f', 2));
}

QString DownloadProgress::timeLeft(qint64 seconds)
{
    if (seconds < 60)
        return tr("%1 s left").arg(qMax<qint64>(seconds, 1));
    if (seconds < 3600)
        return tr("%1 min left").arg((seconds + 30) / 60);
    return tr("about %1 h left").arg((seconds + 1800) / 3600);
}

QString DownloadProgress::summary() const
{
    const QString shown = figures();
    return shown.isEmpty() ? tr("Downloading") : tr("Downloading") + u" · "_s + shown;
}

QString DownloadProgress::figures() const
{
    const QString dot = u" · "_s;
    if (!determinate())
        return received > 0 ? size(received) : QString();
    QString text = tr("%1%").arg(percent()) + dot + size(received) + u" / "_s + size(total);
    if (bytesPerSecond > 0)
        text += dot + tr("%1/s").arg(size(bytesPerSecond));
    if (secondsLeft >= 0 && received < total)
        text += dot + timeLeft(secondsLeft);
    return text;
}
