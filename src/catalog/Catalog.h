#pragma once

#include "catalog/CatalogApp.h"
#include "catalog/CatalogDocument.h"

#include <QDateTime>
#include <QList>

#include <optional>

// The built-in list of applications, the list in use, and the queries the views use to pick what
// to show.
namespace Catalog {

// All 28 entries in display order, in English as published (a catalog document is written from
// them); built once on first use, safe to call from any thread.
const QList<CatalogApp> &builtIn();
// When the built-in list was last changed: a refreshed catalog replaces it only when issued later.
QDateTime builtInIssued();

// The list the window and the command line show and act on: the built-in one, or the refreshed
// catalog chosen at start-up, as the user reads it (CatalogApp::translated). A copy, safe to call
// from any thread.
QList<CatalogApp> active();
// Uses refreshed's apps from now on; nothing goes back to the built-in list.
void setActive(const std::optional<CatalogDocument> &refreshed);
// The list in use, then the built-in entries it left out: every app Orvando may have installed.
// As the user reads them, like active().
QList<CatalogApp> activeAndBuiltIn();
// When the list in use was issued; nothing while it is the built-in one.
std::optional<QDateTime> activeIssued();
// "Catalog: built in, 28 apps" or "Catalog: updated 7 December 2026, 29 apps".
QString activeSummary();
// Said when a newer catalog than the one in use is waiting for the next start.
QString waitingNote(const QDateTime &issued);

// The queries look through the active list.
QList<CatalogApp> curated();
QList<CatalogApp> apps(bool showAll, std::optional<CatalogApp::Category> category);
QList<CatalogApp> apps(bool showAll, std::optional<CatalogApp::Category> category, const QString &search);

} // namespace Catalog
