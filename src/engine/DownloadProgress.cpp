#include "engine/DownloadProgress.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// Decimals in the language's own way, but never grouped: "1234.50 GB".
QString decimal(double value, int precision)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', precision);
}

} // namespace

QString DownloadProgress::size(qint64 bytes)
{
    if (bytes < 1000)
        return tr("%n bytes", nullptr, int(bytes));
    //: Kilobytes, in decimal units as the Finder counts them
    if (bytes < 1000 * 1000)
        return tr("%1 KB").arg(bytes / 1000);
    if (bytes < qint64(1000) * 1000 * 1000)
        return tr("%1 MB").arg(decimal(double(bytes) / 1e6, 1));
    return tr("%1 GB").arg(decimal(double(bytes) / 1e9, 2));
}

QString DownloadProgress::timeLeft(qint64 seconds)
{
    //: Time left of a download, in seconds
    if (seconds < 60)
        return tr("%1 s left").arg(qMax<qint64>(seconds, 1));
    //: Time left of a download, in minutes
    if (seconds < 3600)
        return tr("%1 min left").arg((seconds + 30) / 60);
    //: Time left of a download, in hours
    return tr("about %1 h left").arg((seconds + 1800) / 3600);
}

QString DownloadProgress::summary() const
{
    const QString shown = figures();
    if (shown.isEmpty())
        return tr("Downloading");
    //: %1 is how far the download has come: "21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left"
    return tr("Downloading · %1").arg(shown);
}

QString DownloadProgress::figures() const
{
    //: Between the figures of a download: "21% · 10.0 MB / 46.7 MB · 1.2 MB/s"
    const QString dot = tr(" · ");
    if (!determinate())
        return received > 0 ? size(received) : QString();
    //: How much of a download has come, in percent
    const QString percentText = tr("%1%").arg(percent());
    //: %1 is the size received so far, %2 the whole size
    QString text = percentText + dot + tr("%1 / %2").arg(size(received), size(total));
    //: A download's speed; %1 is a size such as 1.2 MB
    if (bytesPerSecond > 0)
        text += dot + tr("%1/s").arg(size(bytesPerSecond));
    if (secondsLeft >= 0 && received < total)
        text += dot + timeLeft(secondsLeft);
    return text;
}
