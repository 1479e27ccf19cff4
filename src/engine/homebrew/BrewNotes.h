#pragma once

#include "catalog/CatalogApp.h"

#include <QString>

// The card's short note for one line of brew's output ("Downloading Maccy."). Pure, callable from
// any thread.
namespace BrewNotes {

// While brew installs or upgrades app.
QString install(const QString &line, const CatalogApp &app);
// While brew removes app.
QString uninstall(const QString &line, const CatalogApp &app);

} // namespace BrewNotes
