#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

// Runs the removal of everything to its end and gives its count, -1 when it never ended.
int removeAll(InstallEngine &engine)
{
    auto count = std::make_shared<int>(-1);
    engine.uninstallAllCatalogApps().then([count](int removed) { *count = removed; });
    if (!QTest::qWaitFor([count] { return *count >= 0; }, 120000))
        qWarning("the removal of everything did not end in time");
    return *count;
}

const CatalogApp &catalogApp(const QString &id)
{
    for (const CatalogApp &app : Catalog::v1()) {
        if (app.id == id)
            return app;
    }
    qFatal("no catalog entry %s", qPrintable(id));
}

} // namespace

class TestUninstallAll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void goesOnPastAFailureAndCountsTheRest();
};

void TestUninstallAll::goesOnPastAFailureAndCountsTheRest()
{
    Sandbox sandbox;
    ScopedEnvironmentVariable home("HOME", sandbox.home().toUtf8()); // the Trash of the sandbox
    ScopedEnvironmentVariable dataHome("XDG_DATA_HOME", std::nullopt);
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    // In catalog order: Maccy placed by hand, IINA through Homebrew, Stats placed by hand.
    const CatalogApp &maccy = catalogApp(u"maccy"_s);
    const CatalogApp &iina = catalogApp(u"iina"_s);
    const CatalogApp &stats = catalogApp(u"stats"_s);
    QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, *maccy.bundleID).isEmpty());
    QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Stats"_s, *stats.bundleID).isEmpty());
    QVERIFY(sandbox.registerCask(u"iina"_s, u"IINA"_s, *iina.bundleID));
    InstallEngine engine(sandbox.environment(), analytics.client());
    QVERIFY(finish(engine.install(iina)));
    QCOMPARE(engine.state(u"iina"_s), std::optional(InstallState::installed()));

    ScopedEnvironmentVariable exit("FAKE_BREW_EXIT", QByteArray("1"));
    QCOMPARE(removeAll(engine), 2);
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QCOMPARE(engine.state(u"iina"_s),
        std::optional(InstallState::failed(
            u"Homebrew could not remove IINA: Download failed on Cask 'iina' with message: simulated failure."_s)));
    QCOMPARE(engine.state(u"stats"_s), std::optional(InstallState::notInstalled()));
    QVERIFY(!QFileInfo::exists(sandbox.userApplications() + u"/Maccy.app"_s));
    QVERIFY(QFileInfo::exists(sandbox.userApplications() + u"/IINA.app"_s));
    QVERIFY(!QFileInfo::exists(sandbox.userApplications() + u"/Stats.app"_s));
    QCOMPARE(sandbox.brewCalls(), (QStringList { u"install --cask iina"_s, u"uninstall --cask iina"_s }));
    QStringList events { u"app_install_started iina"_s, u"app_install_succeeded iina"_s, u"uninstall_succeeded maccy"_s,
        u"uninstall_succeeded stats"_s };
    events.sort();
    QCOMPARE(analytics.settledEvents(), events);
}

QTEST_GUILESS_MAIN(TestUninstallAll)
#include "TestUninstallAll.moc"
