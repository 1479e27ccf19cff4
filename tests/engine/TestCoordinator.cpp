// Several windows, one machine: engines sharing one OperationCoordinator, with the fake brew.
#include "engine/AppArchiveInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/UpdateChecker.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString busyNote = u"note: Another operation on Maccy is still running; try again when it has finished."_s;
const InstallState getting = InstallState::installing(u"Getting Maccy ready."_s);

} // namespace

class TestCoordinator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesASecondOperationOnABusyApp_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("asker"); // another window, or another process
        QTest::newRow("install in another window") << u"install"_s << u"window"_s;
        QTest::newRow("uninstall in another window") << u"uninstall"_s << u"window"_s;
        QTest::newRow("install in another process") << u"install"_s << u"process"_s;
    }

    void refusesASecondOperationOnABusyApp()
    {
        QFETCH(QString, second);
        QFETCH(QString, asker);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        const QString locks = sandbox.root() + u"/locks"_s;
        OperationCoordinator coordinator(locks);
        // A coordinator of its own over the same lock files stands in for another Orvando process.
        OperationCoordinator otherProcess(locks);
        InstallEngine first(sandbox.environment(), nullptr, &coordinator);
        InstallEngine other(sandbox.environment(), nullptr, asker == u"process"_s ? &otherProcess : &coordinator);

        InstallEngine::startDetached(first.install(maccy()));
        if (asker == u"window"_s)
            QCOMPARE(other.state(u"maccy"_s), std::optional(getting)); // every window shows it running
        InstallEngine::startDetached(second == u"install"_s ? other.install(maccy()) : other.uninstall(maccy()));
        QVERIFY(logTexts(other).contains(busyNote));

        QTRY_COMPARE_WITH_TIMEOUT(first.state(u"maccy"_s), std::optional(InstallState::installed()), 30000);
        if (asker == u"window"_s)
            QCOMPARE(other.state(u"maccy"_s), std::optional(InstallState::installed()));
        QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
        // Once it has ended, the app is free again, for the other process too.
        QVERIFY(finish(other.uninstall(maccy())));
        QCOMPARE(other.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    }

    void uninstallAllLeavesABusyAppToItsOperation()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const CatalogApp maccy = catalogApp(u"maccy"_s);
        const CatalogApp stats = catalogApp(u"stats"_s);
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, *maccy.bundleID));
        QVERIFY(sandbox.registerCask(u"stats"_s, u"Stats"_s, *stats.bundleID));
        OperationCoordinator coordinator;
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
        QVERIFY(finish(engine.install(maccy)));
        QVERIFY(finish(engine.install(stats)));

        // The card's removal is under way (brew is slow) when "Uninstall all" starts.
        ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", QByteArray("0.3"));
        InstallEngine::startDetached(engine.uninstall(maccy));
        std::optional<int> count;
        engine.uninstallAllCatalogApps().then([&count](int removed) { count = removed; });
        QVERIFY(engine.uninstallAllInProgress());
        QCOMPARE(engine.state(u"maccy"_s)->kind, InstallState::Kind::Uninstalling); // its refresh left Maccy alone
        std::optional<int> again;
        engine.uninstallAllCatalogApps().then([&again](int removed) { again = removed; });
        QCOMPARE(again, std::optional(0));

        QTRY_VERIFY_WITH_TIMEOUT(count.has_value(), 30000);
        QCOMPARE(*count, 1);
        QVERIFY(!engine.uninstallAllInProgress());
        QVERIFY(
            logTexts(engine, u"maccy"_s).contains(u"note: Skipped Maccy: another operation on it is still running."_s));
        QCOMPARE(engine.state(u"stats"_s), std::optional(InstallState::notInstalled()));
        QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()), 30000);
        QCOMPARE(sandbox.brewCalls(),
            (QStringList { u"install --cask maccy"_s, u"install --cask stats"_s, u"uninstall --cask maccy"_s,
                u"uninstall --cask stats"_s }));
    }

    void aClosedWindowsOperationEndsWithWhatIsOnDisk()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", QByteArray("0.2"));
        OperationCoordinator coordinator;
        auto *closing = new InstallEngine(sandbox.environment(), nullptr, &coordinator);
        InstallEngine staying(sandbox.environment(), nullptr, &coordinator);
        InstallEngine::startDetached(closing->install(maccy()));
        QCOMPARE(staying.state(u"maccy"_s), std::optional(getting));

        delete closing; // brew goes on; nobody is left to report how it ended
        QVERIFY(coordinator.isBusy(u"maccy"_s));
        QTRY_VERIFY_WITH_TIMEOUT(!coordinator.isBusy(u"maccy"_s), 30000);
        QCOMPARE(staying.state(u"maccy"_s), std::optional(InstallState::installed()));
    }

    // A quit stops the services' brew queries too, and starts none afterwards.
    void aQuitStopsTheBackgroundQueries()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const QString pidFile = sandbox.root() + u"/query.pid"_s;
        QVERIFY(
            Sandbox::writeFile(sandbox.brewPath(), "#!/bin/sh\necho $$ >'" + pidFile.toUtf8() + "'\nexec sleep 60\n"));
        OperationCoordinator coordinator;
        coordinator.setStopGrace(std::chrono::milliseconds(500));
        auto *services = new EngineServices(sandbox.environment(), { maccy() }, &coordinator);
        std::optional<bool> checked;
        services->updates()->check().then([&checked](bool read) { checked = read; });
        QTRY_VERIFY(!fileBytes(pidFile).trimmed().isEmpty());
        const pid_t query = fileBytes(pidFile).trimmed().toInt();

        QVERIFY(finish(coordinator.stopAll()));
        QTRY_VERIFY(checked.has_value());
        QVERIFY(!*checked && ::kill(query, 0) != 0);
        QFile::remove(pidFile);
        checked.reset();
        services->updates()->check().then([&checked](bool read) { checked = read; });
        QTRY_VERIFY(checked.has_value());
        QVERIFY(!*checked && !QFile::exists(pidFile));
    }

    // Each operation's temporary folder is new, private, and removed without following what was planted in it.
    void workFoldersAreFreshAndNeverFollowed()
    {
        Sandbox sandbox;
        QVERIFY(Sandbox::writeFile(sandbox.root() + u"/victim/keep"_s, "mine"));
        std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(sandbox.tempDir(), u"dl"_s);
        const std::unique_ptr<QTemporaryDir> other = OperationCoordinator::makeWorkFolder(sandbox.tempDir(), u"dl"_s);
        QVERIFY(work && other && work->path() != other->path());
        QVERIFY(QFileInfo(work->path()).fileName().startsWith(u"orvando-dl-"_s));
        QCOMPARE(QFileInfo(work->path()).permissions() & 0x0077, QFile::Permissions());

        // A link planted where the unpacked files go is neither emptied nor unpacked into.
        QVERIFY(QFile::link(sandbox.root() + u"/victim"_s, work->filePath(u"unpacked"_s)));
        QVERIFY(Sandbox::writeFile(work->filePath(u"download"_s), "PK\x03\x04"));
        QVERIFY(!AppArchiveInstaller(sandbox.environment())
                     .install(work->filePath(u"download"_s), work->path())
                     .succeeded());
        work.reset();
        QCOMPARE(entriesOf(sandbox.root() + u"/victim"_s), QStringList { u"keep"_s });
        QCOMPARE(entriesOf(sandbox.tempDir()), QStringList { QFileInfo(other->path()).fileName() });
    }
};

QTEST_GUILESS_MAIN(TestCoordinator)
#include "TestCoordinator.moc"
