// What a removal with 20 leftovers (about 40 MB) costs: finding them (the zap stanza from the
// cache and the eight locations), measuring their sizes on a pool thread, how long the review
// sheet holds the window before it shows, and the whole removal to the Trash.

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsCache.h"
#include "support/Sandbox.h"
#include "views/removal/RemovalReview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QSignalSpy>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;

// Folder items get four 512 KB files and 60 small ones; file items are 1 MB.
void makeItem(const QString &path, bool folder)
{
    if (!folder) {
        Sandbox::writeFile(path, QByteArray(1 << 20, 'd'));
        return;
    }
    for (int i = 0; i < 4; ++i)
        Sandbox::writeFile(path + u"/blob%1"_s.arg(i), QByteArray(512 << 10, 'b'));
    for (int i = 0; i < 60; ++i)
        Sandbox::writeFile(path + u"/sub%1/small%2"_s.arg(i % 6).arg(i), QByteArray(900, 's'));
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Sandbox sandbox;
    qputenv("XDG_DATA_HOME", (sandbox.home() + u"/.local/share"_s).toUtf8());
    QApplication application(argc, argv);
    const QString home = sandbox.home();
    const QString library = home + u"/Library/"_s;

    // Eight locations, and twelve entries only the zap stanza names.
    const QStringList eight { u"Application Support/"_s + bundleID, u"Caches/"_s + bundleID,
        u"Containers/"_s + bundleID, u"HTTPStorages/"_s + bundleID, u"Logs/"_s + bundleID,
        u"Preferences/"_s + bundleID + u".plist"_s, u"Saved Application State/"_s + bundleID + u".savedState"_s,
        u"LaunchAgents/"_s + bundleID + u".plist"_s };
    QStringList zapTrash;
    for (const QString &entry : eight) {
        makeItem(library + entry, !entry.endsWith(u".plist"_s));
        zapTrash.append(u"~/Library/"_s + entry);
    }
    for (int i = 0; i < 10; ++i) {
        const QString entry = u"Group Containers/GROUP%1.group.org.p0deje.Maccy"_s.arg(i);
        makeItem(library + entry, true);
    }
    zapTrash.append(u"~/Library/Group Containers/*.group.org.p0deje.Maccy"_s);
    makeItem(library + u"Application Scripts/org.p0deje.Maccy"_s, true);
    makeItem(library + u"Cookies/org.p0deje.Maccy.binarycookies"_s, false);
    zapTrash << u"~/Library/Application Scripts/org.p0deje.Maccy"_s
             << u"~/Library/Cookies/org.p0deje.Maccy.binarycookies"_s;
    sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID);

    Environment env = sandbox.environment();
    env.cacheDir = sandbox.root() + u"/cache"_s;
    CaskFactsSnapshot snapshot;
    CaskFacts facts;
    facts.token = u"maccy"_s;
    facts.zapArgs = QJsonArray { QJsonObject { { u"trash"_s, QJsonArray::fromStringList(zapTrash) } } };
    snapshot.casks.insert(facts.token, facts);
    snapshot.readAt = QDateTime::currentDateTimeUtc();
    CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), snapshot);

    CatalogApp maccy;
    maccy.id = u"maccy"_s;
    maccy.name = u"Maccy"_s;
    maccy.bundleID = bundleID;
    maccy.install = InstallSource::homebrewCask(u"maccy"_s);
    InstallEngine engine(env);

    QElapsedTimer timer;
    timer.start();
    RemovalPlan plan = engine.removalPlan(maccy);
    const qint64 findNs = timer.nsecsElapsed();
    timer.restart();
    plan.measure();
    const qint64 measureNs = timer.nsecsElapsed();
    std::printf(
        "leftovers found: %lld, %.1f MB\n", qlonglong(plan.leftovers.size()), double(plan.totalSize(true)) / 1e6);
    std::printf("find: %.2f ms\nmeasure sizes (pool thread in the app): %.2f ms\n", ms(findNs), ms(measureNs));

    QWidget window;
    window.resize(800, 600);
    window.show();
    // The first sheet of a run also pays for the style and fonts; the second is what a user sees again.
    for (const char *which : { "first", "second" }) {
        timer.restart();
        RemovalReview *review = RemovalReview::review(&engine, { maccy }, &window);
        const qint64 appearNs = timer.nsecsElapsed();
        QSignalSpy measured(review, &RemovalReview::measured);
        measured.wait(30000);
        const qint64 sizesNs = timer.nsecsElapsed();
        std::printf("%s review sheet: shown after %.2f ms (the window held that long), sizes after %.2f ms\n", which,
            ms(appearNs), ms(sizesNs));
        review->reject();
        QCoreApplication::processEvents();
    }

    // The removal itself, without brew: Maccy counts as placed by hand, so its bundle goes too.
    timer.restart();
    bool done = false;
    engine.uninstall(maccy).then([&done] { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 removeNs = timer.nsecsElapsed();
    std::printf("removal to the Trash (app and 20 leftovers): %.2f ms\n", ms(removeNs));
    std::printf("ratio=%.4f\n", ms(findNs + removeNs) / 1000.0);
    return 0;
}
