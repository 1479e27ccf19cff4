#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "views/window/UpdateChoices.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

// "Skip this version" and "Don't check for updates" in the Updates view, over a real update check
// of the fake brew: the update leaves the list, says why, survives a relaunch (a new store over
// the same file) and comes back with "Check again".
class TestUpdateChoices : public QObject
{
    Q_OBJECT

    static QPushButton *buttonNamed(QWidget *root, const QString &name)
    {
        for (QPushButton *button : root->findChildren<QPushButton *>())
            if (button->accessibleName() == name)
                return button;
        return nullptr;
    }

    static QStringList labels(QWidget *root)
    {
        QStringList texts;
        for (const QLabel *label : root->findChildren<QLabel *>())
            texts.append(label->text());
        return texts;
    }

private Q_SLOTS:
    void cleanup() { UserDefaults::setStandardLocation(QString()); }

    void leavesAnUpdateAloneUntilAskedAgain_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("why");
        QTest::newRow("skip this version") << u"Skip Maccy 2.1.0"_s << u"orvando.skipped_version.maccy"_s << u"2.1.0"_s
                                           << u"You skipped Maccy 2.1.0."_s;
        QTest::newRow("don't check") << u"Don’t check Maccy for updates"_s << u"orvando.updates_held.maccy"_s
                                     << u"true"_s << u"You asked not to check Maccy for updates."_s;
    }

    void leavesAnUpdateAloneUntilAskedAgain()
    {
        QFETCH(QString, choice);
        QFETCH(QString, key);
        QFETCH(QString, kept);
        QFETCH(QString, why);
        Sandbox sandbox;
        const QString defaults = sandbox.root() + u"/defaults.ini"_s;
        UserDefaults::setStandardLocation(defaults);
        QVERIFY(sandbox.installFakeBrew());
        const CatalogApp maccy = caskApp(u"maccy"_s, u"Maccy"_s, u"org.fake.maccy"_s);
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, *maccy.bundleID));
        const QString json = sandbox.root() + u"/outdated.json"_s;
        QVERIFY(Sandbox::writeFile(
            json, R"({"casks": [{"name": "maccy", "installed_versions": ["1.0"], "current_version": "2.1.0"}]})"));
        const ScopedEnvironmentVariable outdated("FAKE_BREW_OUTDATED_JSON", json.toUtf8());
        OperationCoordinator coordinator;
        auto *services = new EngineServices(sandbox.environment(), { maccy }, &coordinator);
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator, services);
        QVERIFY(finish(engine.install(maccy)));
        QVERIFY(await(services->updates()->check()));
        UpdateChoices choices(&engine, services->updates());

        QPushButton *button = buttonNamed(&choices, choice);
        QVERIFY(button && button->focusPolicy() & Qt::TabFocus);
        button->click();
        QCOMPARE(services->updates()->count(), 0);
        QVERIFY(labels(&choices).contains(why));
        QCOMPARE(UserDefaults(defaults).stringValue(key), kept);
        // Another checker, as after a relaunch, leaves it alone too.
        UpdateChecker relaunched(sandbox.environment(), { maccy });
        QVERIFY(await(relaunched.check()));
        QCOMPARE(relaunched.count(), 0);
        QCOMPARE(relaunched.leftAlone().size(), 1);

        buttonNamed(&choices, u"Check Maccy for updates again"_s)->click();
        QCOMPARE(services->updates()->count(), 1);
        QVERIFY(buttonNamed(&choices, choice));
        QVERIFY(!UserDefaults(defaults).contains(key));
    }
};

QTEST_MAIN(TestUpdateChoices)
#include "TestUpdateChoices.moc"
