#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "engine/InstallLog.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "telemetry/Analytics.h"
#include "views/AppCard.h"
#include "views/AppCardActionArea.h"
#include "views/AppCardContent.h"
#include "views/DetailActionArea.h"
#include "views/LogDrawer.h"
#include "views/LogListView.h"
#include "views/RootView.h"
#include "views/WelcomeView.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FailureKind)

// What a failed card offers: "Try again" only where trying again can help, and always the way to
// the log lines that explain the failure.
class TestFailureActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void actionsFollowTheFailure_data();
    void actionsFollowTheFailure();
    void showInLogOpensTheDrawerAtTheFailure();
};

void TestFailureActions::actionsFollowTheFailure_data()
{
    QTest::addColumn<FailureKind>("kind");
    QTest::addColumn<bool>("tryAgain");
    QTest::newRow("download") << FailureKind::Download << true;
    QTest::newRow("network") << FailureKind::Network << true;
    QTest::newRow("password") << FailureKind::Password << true;
    QTest::newRow("unknown") << FailureKind::Unknown << true;
    QTest::newRow("checksum") << FailureKind::Checksum << false;
    QTest::newRow("macOS version") << FailureKind::MacOSVersion << false;
    QTest::newRow("already there") << FailureKind::AlreadyInstalled << false;
    QTest::newRow("installer package") << FailureKind::InstallerPackage << false;
    QTest::newRow("permission") << FailureKind::Permission << false;
}

void TestFailureActions::actionsFollowTheFailure()
{
    QFETCH(FailureKind, kind);
    QFETCH(bool, tryAgain);
    const CatalogApp app = catalogApp(u"maccy"_s);
    const InstallState failed = InstallState::failed(u"It went wrong."_s, kind, 42);

    QCOMPARE(AppCardContent::make(app, failed, {}).logLine, 42);

    // The card and the sheet show what the content says; retrying leaves neither button.
    Sandbox sandbox;
    CardTestEngine engine(sandbox.environment());
    AppCardActionArea card(app, &engine);
    DetailActionArea sheet(app, &engine);
    engine.setState(app.id, failed);
    card.show(); // laid out, so its texts read in order
    const QStringList retry = tryAgain ? QStringList { u"Try again"_s } : QStringList();
    QCOMPARE(visibleTexts(&card), QStringList { u"It went wrong."_s } + retry + QStringList { u"Show in log"_s });
    QCOMPARE(visibleTexts(&sheet), retry);
    engine.setState(app.id, InstallState::installing(u"Getting Maccy ready."_s));
    QCOMPARE(visibleTexts(&card), (QStringList { u"Getting Maccy ready."_s, u"Cancel"_s }));
}

void TestFailureActions::showInLogOpensTheDrawerAtTheFailure()
{
    QTemporaryDir dir;
    Sandbox sandbox;
    QVERIFY(sandbox.installFakeBrew());
    UserDefaults defaults(dir.filePath(u"defaults.ini"_s));
    defaults.setBool(WelcomeView::hasSeenWelcomeKey(), true);
    Analytics analytics(Analytics::Configuration {}, &defaults);
    RootView::Options options;
    options.environment = sandbox.environment();
    options.analytics = &analytics;
    options.defaults = &defaults;
    RootView view(std::move(options));
    view.resize(1000, 680);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    InstallEngine *engine = view.engine();
    for (int i = 0; i < 60; ++i)
        engine->appendLog(u"an earlier line %1"_s.arg(i), u"iina"_s);

    const QString cause = u"Error: This software does not run on macOS versions other than Sequoia."_s;
    {
        ScopedEnvironmentVariable lines("FAKE_BREW_FAIL_LINES", cause.toUtf8());
        auto *card = qobject_cast<AppCard *>(view.grid()->card(u"maccy"_s));
        QVERIFY(card);
        visibleButton(card->actionArea(), u"Install"_s)->click();
        QTRY_VERIFY_WITH_TIMEOUT(engine->state(u"maccy"_s)->kind == InstallState::Kind::Failed, 30000);
    }
    for (int i = 0; i < 60; ++i)
        engine->appendLog(u"a later line %1"_s.arg(i), u"iina"_s);
    auto *card = qobject_cast<AppCard *>(view.grid()->card(u"maccy"_s));
    QCOMPARE(card->actionArea()->findChild<QLabel *>(u"failureMessage"_s)->text(),
        u"Maccy does not support this version of macOS (it runs on: Sequoia)."_s);
    QVERIFY(!visibleButton(card->actionArea(), u"Try again"_s));
    LogDrawer *drawer = view.logDrawer();
    QVERIFY(!drawer->isOpen());

    visibleButton(card->actionArea(), u"Show in log"_s)->click();

    QVERIFY(drawer->isOpen());
    QTRY_COMPARE(drawer->logArea()->height(), LogDrawer::areaHeight);
    LogListView *list = drawer->list();
    const QModelIndex current = list->currentIndex();
    QCOMPARE(current.data(InstallLog::TextRole).toString(), cause);
    QCOMPARE(current.data(InstallLog::IdRole).toLongLong(), engine->state(u"maccy"_s)->logLine);
    QCOMPARE(list->selectedText(), cause);
    // The failure sits at the top of the drawer, lines before it scrolled away.
    QTRY_VERIFY(list->viewport()->rect().contains(list->visualRect(current).topLeft()));
    QVERIFY(!list->viewport()->rect().intersects(list->visualRect(list->model()->index(0, 0))));
}

QTEST_MAIN(TestFailureActions)
#include "TestFailureActions.moc"
