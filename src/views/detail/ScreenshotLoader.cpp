#include "views/detail/ScreenshotLoader.h"

#include "views/style/ResourceBundle.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace ScreenshotLoader {

QImage image(const QString &name)
{
    Q_ASSERT(ResourceBundle::callerIsMainThread());
    static QHash<QString, QImage> cache; // only grows: the catalog's screenshots fit in memory
    if (const auto hit = cache.constFind(name); hit != cache.cend())
        return *hit;

    const QImage found = ResourceBundle::firstImage(u"Assets.xcassets/"_s + name + u".imageset"_s, { name });
    if (!found.isNull())
        cache.insert(name, found);
    return found;
}

} // namespace ScreenshotLoader
