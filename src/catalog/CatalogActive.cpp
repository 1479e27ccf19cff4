// Which list is in use: the built-in one until a refreshed catalog is chosen at start-up.
#include "catalog/Catalog.h"

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
    return QLocale(QLocale::English, QLocale::UnitedKingdom).toString(moment.toLocalTime().date(), u"d MMMM yyyy"_s);
}

QString appCount(qsizetype count)
{
    return count == 1 ? u"1 app"_s : u"%1 apps"_s.arg(count);
}

} // namespace

namespace Catalog {

QList<CatalogApp> active()
{
    Active &current = state();
    const QMutexLocker lock(&current.mutex);
    return current.refreshed ? current.refreshed->apps : builtIn();
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
            apps.append(app);
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
        return u"Catalog: built in, "_s + appCount(count);
    return u"Catalog: updated "_s + dayText(*issued) + u", "_s + appCount(count);
}

QString waitingNote(const QDateTime &issued)
{
    return u"A newer catalog from "_s + dayText(issued) + u" is ready. Orvando uses it the next time it opens."_s;
}

} // namespace Catalog
