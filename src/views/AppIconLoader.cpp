#include "views/AppIconLoader.h"

#include "views/ResourceBundle.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace AppIconLoader {

QImage image(const QString &id)
{
    Q_ASSERT(ResourceBundle::callerIsMainThread());
    static QHash<QString, QImage> cache; // only grows: the catalog's icons fit in memory
    if (const auto hit = cache.constFind(id); hit != cache.cend())
        return *hit;

    const QString folder = u"Assets.xcassets/"_s + id + u".imageset"_s;
    const QImage found = ResourceBundle::firstImage(folder, { id + u"-3x"_s, id + u"-2x"_s, id + u"-1x"_s });
    if (!found.isNull())
        cache.insert(id, found);
    return found;
}

} // namespace AppIconLoader
