#pragma once

#include "catalog/CatalogApp.h"

#include <QList>

#include <optional>

// The built-in list of applications and the queries the views use to pick what to show.
namespace Catalog {

// All 28 entries in display order; built once on first use, safe to call from any thread.
const QList<CatalogApp> &v1();
QList<CatalogApp> curated();
QList<CatalogApp> apps(bool showAll, std::optional<CatalogApp::Category> category);
QList<CatalogApp> apps(bool showAll, std::optional<CatalogApp::Category> category, const QString &search);

} // namespace Catalog
