#include "views/style/AppIconLoader.h"

#include "views/style/IdleWork.h"
#include "views/style/ResourceBundle.h"

#include <QFuture>
#include <QHash>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace {

struct Decoded
{
    QImage image;
    QImage fitted;
};

// Only grows: the catalog's icons fit in memory.
QHash<QString, QImage> &images()
{
    static QHash<QString, QImage> cache;
    return cache;
}

QHash<QString, QImage> &fittedImages()
{
    static QHash<QString, QImage> cache;
    return cache;
}

QHash<QString, QFuture<Decoded>> &pending()
{
    static QHash<QString, QFuture<Decoded>> futures;
    return futures;
}

QString folder(const QString &id)
{
    return u"Assets.xcassets/"_s + id + u".imageset"_s;
}

QStringList resources(const QString &id)
{
    return { id + u"-3x"_s, id + u"-2x"_s, id + u"-1x"_s };
}

QImage fit(const QImage &image, QSize box)
{
    if (image.isNull() || box.isEmpty())
        return {};
    return image.scaled(image.size().scaled(box, Qt::KeepAspectRatio), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Runs on a worker thread: only the file names, found on the main thread, come in.
Decoded decode(const QStringList &files, QSize box)
{
    const QImage image = ResourceBundle::firstDecodable(files);
    return { image, fit(image, box) };
}

// Takes in what a worker read for id, if anything was started for it.
void settle(const QString &id)
{
    const auto future = pending().find(id);
    if (future == pending().end())
        return;
    const Decoded decoded = future->result();
    pending().erase(future);
    if (decoded.image.isNull())
        return;
    images().insert(id, decoded.image);
    fittedImages().insert(id, decoded.fitted);
}

} // namespace

namespace AppIconLoader {

QImage image(const QString &id)
{
    Q_ASSERT(ResourceBundle::callerIsMainThread());
    settle(id);
    if (const auto hit = images().constFind(id); hit != images().cend())
        return *hit;
    const QImage found = ResourceBundle::firstImage(folder(id), resources(id));
    if (!found.isNull())
        images().insert(id, found);
    return found;
}

QImage fitted(const QString &id, QSize box)
{
    const QImage icon = image(id);
    if (icon.isNull())
        return {};
    const QSize size = icon.size().scaled(box, Qt::KeepAspectRatio);
    QImage &kept = fittedImages()[id];
    if (kept.size() != size)
        kept = fit(icon, box);
    return kept;
}

void prefetch(const QStringList &ids, QSize box)
{
    Q_ASSERT(ResourceBundle::callerIsMainThread());
    for (const QString &id : ids) {
        if (images().contains(id) || pending().contains(id))
            continue;
        const QStringList files = ResourceBundle::imageFiles(folder(id), resources(id));
        if (!files.isEmpty())
            pending().insert(id, QtConcurrent::run(IdleWork::pool(), decode, files, box));
    }
}

} // namespace AppIconLoader
