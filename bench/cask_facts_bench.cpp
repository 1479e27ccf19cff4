// What the cask facts cost at launch: starting the service from a warm cache of the whole catalog
// (read before the first frame, so judged against one frame of 16.7 ms), and one refresh through
// the fake brew for comparison.

#include "catalog/Catalog.h"
#include "engine/facts/CaskFactsCache.h"
#include "engine/facts/CaskFactsService.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Sandbox sandbox;
    sandbox.installFakeBrew();
    Environment env = sandbox.environment();
    env.cacheDir = sandbox.root() + u"/cache"_s;

    // brew's answer for every cask of the catalog, shaped like the real one.
    QJsonArray casks;
    QList<CatalogApp> caskApps; // GitHub is not asked here
    for (const CatalogApp &entry : Catalog::builtIn()) {
        if (entry.install.isHomebrewCask()) {
            caskApps.append(entry);
            casks.append(QJsonObject { { u"token"_s, entry.install.caskToken() }, { u"version"_s, u"2.3.0"_s },
                { u"sha256"_s, QString(64, u'a') }, { u"url"_s, u"https://github.com/x/y/releases/download/a.zip"_s },
                { u"auto_updates"_s, true }, { u"deprecated"_s, false }, { u"disabled"_s, false },
                { u"installed"_s, QJsonValue() }, { u"artifacts"_s, QJsonArray { QJsonObject { { u"app"_s, 1 } } } } });
        }
    }
    const QString info = sandbox.root() + u"/info.json"_s;
    Sandbox::writeFile(
        info, QJsonDocument(QJsonObject { { u"formulae"_s, QJsonArray() }, { u"casks"_s, casks } }).toJson());
    qputenv("FAKE_BREW_INFO_JSON", info.toUtf8());

    QElapsedTimer timer;
    timer.start();
    {
        CaskFactsService cold(env, caskApps);
        QEventLoop loop;
        QObject::connect(&cold, &CaskFactsService::refreshingChanged, &loop, &QEventLoop::quit);
        cold.start();
        if (cold.isRefreshing())
            loop.exec();
    }
    const double refreshMs = double(timer.nsecsElapsed()) / 1e6;

    double warmMs = 1e300;
    for (int round = 0; round < 20; ++round) {
        timer.restart();
        CaskFactsService warm(env, caskApps);
        warm.start();
        warmMs = std::min(warmMs, double(timer.nsecsElapsed()) / 1e6);
        if (warm.isRefreshing() || !warm.caskFacts(u"maccy"_s))
            return 1;
    }

    std::printf(
        "casks=%lld cache_bytes=%lld\n", qint64(casks.size()), QFileInfo(CaskFactsCache::path(env.cacheDir)).size());
    std::printf("refresh_through_fake_brew_ms=%.2f\n", refreshMs);
    std::printf("warm_start_ms=%.3f\n", warmMs);
    std::printf("ratio=%.3f\n", warmMs / 16.7);
    return 0;
}
