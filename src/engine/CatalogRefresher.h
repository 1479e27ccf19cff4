#pragma once

#include "catalog/CatalogDocument.h"
#include "engine/Environment.h"

#include <QCoroTask>
#include <QDateTime>
#include <QObject>

#include <memory>
#include <optional>

class QNetworkAccessManager;
class QTimer;

// Keeps the catalog current between versions of the program. At most once a day it fetches the
// signed catalog from the environment's address (the file and, beside it, "<file>.sig"); one that
// passes SignedCatalog's checks is kept with its signature in "catalog" under the cache folder. At
// the next start that copy is checked again, as a file anyone could have changed, and used in
// place of the built-in list. Anything wrong at any step changes nothing: the list in use stays.
class CatalogRefresher : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Disabled, // no address, no key or no cache folder
        NotDue, // checked less than a day ago
        Unchanged, // the one already kept
        Refreshed, // a newer catalog is kept for the next start
        Missing, // the server has no catalog
        Unsigned,
        BadSignature,
        Oversized,
        Invalid,
        Stale, // signed, but older than what the program has
        Unreachable, // no answer: tried again at the next check
    };
    Q_ENUM(Outcome)

    static constexpr int checkIntervalHours = 24;

    explicit CatalogRefresher(Environment env, QObject *parent = nullptr);
    ~CatalogRefresher() override;

    // The kept catalog when it still passes every check: signed by the environment's key, whole,
    // and issued after the built-in list. Nothing otherwise.
    static std::optional<CatalogDocument> cached(const Environment &env);
    // At start-up, before anything reads the catalog: Catalog::setActive(cached(env)).
    static void activateCached(const Environment &env);

    // Fetches and checks the catalog unless the last answer came less than a day ago. Never
    // throws; the outcome says what happened.
    QCoro::Task<Outcome> refresh();
    // A refresh now, and a look every hour after, for a program that stays open for days.
    void start();

    QDateTime lastChecked() const;

Q_SIGNALS:
    // A newer catalog was kept; it is used from the next start.
    void refreshed(const QDateTime &issued, int appCount);

private:
    struct Fetched
    {
        enum class Status { Received, NotFound, TooLarge, Unreachable };
        Status status = Status::Unreachable;
        QByteArray body;
    };
    QCoro::Task<Fetched> fetch(QUrl url, qint64 limit);
    QString folder() const;
    void markChecked();
    bool keep(const QByteArray &bytes, const QByteArray &signature);

    Environment m_env;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QTimer *m_timer = nullptr;
    bool m_refreshing = false;
};
