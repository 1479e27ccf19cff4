// Which list is in use: the built-in one until a refreshed catalog is chosen at start-up.
#include "catalog/Catalog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMutex>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

struct Active
{
    QMutex mutex;
    std::optional<CatalogDocument> refreshed;
};

Active &state()
{
    static Active active;
    return active;
}

QString dayText(const QDateTime &moment)
{
    // Written out, the way the rest of the program talks: "7 December 2026".
    return QLocale().toString(
        moment.toLocalTime().date(), QCoreApplication::translate("Catalog", "d MMMM yyyy", "date format"));
}

QList<CatalogApp> translated(const QList<CatalogApp> &apps)
{
    QList<CatalogApp> result;
    result.reserve(apps.size());
    for (const CatalogApp &app : apps)
        result.append(app.translated());
    return result;
}

} // namespace

namespace Catalog {

QList<CatalogApp> active()
{
    QList<CatalogApp> apps;
    {
        Active &current = state();
        const QMutexLocker lock(&current.mutex);
        apps = current.refreshed ? current.refreshed->apps : builtIn();
    }
    return translated(apps);
}

void setActive(const std::optional<CatalogDocument> &refreshed)
{
    Active &current = state();
    const QMutexLocker lock(&current.mutex);
    current.refreshed = refreshed;
}

QList<CatalogApp> activeAndBuiltIn()
{
    QList<CatalogApp> apps = active();
    QSet<QString> ids;
    for (const CatalogApp &app : std::as_const(apps))
        ids.insert(app.id);
    for (const CatalogApp &app : builtIn()) {
        if (!ids.contains(app.id))
            apps.append(app.translated());
    }
    return apps;
}

std::optional<QDateTime> activeIssued()
{
    Active &current = state();
    const QMutexLocker lock(&current.mutex);
    if (!current.refreshed)
        return std::nullopt;
    return current.refreshed->issued;
}

QString activeSummary()
{
    const std::optional<QDateTime> issued = activeIssued();
    const qsizetype count = active().size();
    if (!issued)
        return QCoreApplication::translate("Catalog", "Catalog: built in, %n apps", nullptr, int(count));
    //: %1 is the day the catalog in use was issued, e.g. "7 December 2026".
    return QCoreApplication::translate("Catalog", "Catalog: updated %1, %n apps", nullptr, int(count))
        .arg(dayText(*issued));
}

QString waitingNote(const QDateTime &issued)
{
    //: %1 is the day the newer catalog was issued, e.g. "7 December 2026".
    return QCoreApplication::translate(
        "Catalog", "A newer catalog from %1 is ready. Orvando uses it the next time it opens.")
        .arg(dayText(issued));
}

} // namespace Catalog
