#include "catalog/Catalog.h"

using namespace Qt::StringLiterals;

namespace {

bool matches(const CatalogApp &app, const QString &query)
{
    if (app.name.toLower().contains(query) || app.tagline.toLower().contains(query))
        return true;
    if (CatalogApp::label(app.category).toLower().contains(query))
        return true;
    return app.replaces && app.replaces->app.toLower().contains(query);
}

} // namespace

namespace Catalog {

QList<CatalogApp> curated()
{
    QList<CatalogApp> result;
    for (const CatalogApp &app : active()) {
        if (app.isCurated)
            result.append(app);
    }
    return result;
}

QList<CatalogApp> apps(bool showAll, std::optional<CatalogApp::Category> category)
{
    const QList<CatalogApp> base = showAll ? active() : curated();
    if (!category)
        return base;
    QList<CatalogApp> result;
    for (const CatalogApp &app : base) {
        if (app.category == *category)
            result.append(app);
    }
    return result;
}

// A search looks through the whole catalog: someone typing a name wants to find it wherever it is.
QList<CatalogApp> apps(bool showAll, std::optional<CatalogApp::Category> category, const QString &search)
{
    const QString query = search.trimmed().toLower();
    if (query.isEmpty())
        return apps(showAll, category);
    QList<CatalogApp> result;
    for (const CatalogApp &app : active()) {
        if (matches(app, query))
            result.append(app);
    }
    return result;
}

} // namespace Catalog
