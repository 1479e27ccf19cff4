// Times a status refresh over the whole catalog against the least any refresh must do: list the
// Applications folders once and read every Info.plist once. 1,000 bundles, half XML, half binary,
// 28 of them the catalog's.

#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/PlistReader.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int bundleCount = 1000;
constexpr int rounds = 15;

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

int bareScan(const QStringList &folders)
{
    int read = 0;
    for (const QString &folder : folders) {
        const QStringList names = QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QString &name : names) {
            if (PlistReader::stringValueInFile(
                    folder + u'/' + name + u"/Contents/Info.plist"_s, u"CFBundleIdentifier"_s))
                ++read;
        }
    }
    return read;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Sandbox sandbox;
    const QList<CatalogApp> &catalog = Catalog::builtIn();
    int made = 0;
    for (const CatalogApp &entry : catalog) {
        if (entry.bundleID) {
            sandbox.makeBundle(sandbox.systemApplications(), entry.name, *entry.bundleID,
                made % 2 ? PlistFile::Format::Binary : PlistFile::Format::Xml);
            ++made;
        }
    }
    for (int i = made; i < bundleCount; ++i) {
        sandbox.makeBundle(sandbox.systemApplications(), u"Filler %1"_s.arg(i), u"com.example.filler%1"_s.arg(i),
            i % 2 ? PlistFile::Format::Binary : PlistFile::Format::Xml);
    }
    const Environment env = sandbox.environment();

    // One catalog application missing: then every bundle must be read.
    QList<CatalogApp> withMissing = catalog;
    CatalogApp missing = catalog.first();
    missing.id = u"missing"_s;
    missing.bundleID = u"com.example.not-installed"_s;
    withMissing.append(missing);

    // Rounds interleaved, fastest of each kept: the least disturbed by the rest of the machine.
    int found = 0;
    double bare = 1e300;
    double refresh = 1e300;
    double fullScan = 1e300;
    for (int round = 0; round < rounds; ++round) {
        refresh = std::min(refresh, elapsedMs([&] {
            InstallEngine engine(env);
            engine.refreshInstalledStatus(catalog);
        }));
        fullScan = std::min(fullScan, elapsedMs([&] {
            InstallEngine engine(env);
            engine.refreshInstalledStatus(withMissing);
        }));
        bare = std::min(bare, elapsedMs([&] { found = bareScan(env.applicationFolders); }));
    }

    std::printf("bundles=%d (catalog %d, plists read by bare scan %d)\n", bundleCount, made, found);
    std::printf("bare_scan_ms=%.2f\n", bare);
    std::printf("refresh_catalog_ms=%.2f\n", refresh);
    std::printf("refresh_with_missing_app_ms=%.2f\n", fullScan);
    // Judged on the slower refresh: the one that has to read everything.
    std::printf("ratio=%.2f\n", std::max(refresh, fullScan) / bare);
    return 0;
}
