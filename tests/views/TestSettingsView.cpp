#include "catalog/Catalog.h"
#include "catalog/SignedCatalog.h"
#include "engine/InstallEngine.h"
#include "platform/SettingsKeys.h"
#include "platform/UrlOpener.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/FakeSoftwareUpdater.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "telemetry/Analytics.h"
#include "telemetry/ProductInfo.h"
#include "views/settings/SelfRemoval.h"
#include "views/settings/SettingsView.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The settings sheet driven like a user would, over a sandbox Mac, with the events on a loopback
// endpoint and the mailto:/https: hand-offs caught; also when things cannot be done as asked.
class TestSettingsView : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<UserDefaults> m_defaults; // the analytics client's, apart from the standard store
    std::unique_ptr<Analytics> m_analytics;
    std::unique_ptr<InstallEngine> m_engine;
    std::unique_ptr<SettingsView> m_view;
    QList<QUrl> m_opened;
    QString m_installation; // this program's own bundle
    int m_quits = 0;

    template <typename T> T *child(const QString &name) const { return m_view->findChild<T *>(name); }

    // The events sent, sorted, once a marker sent after them has arrived.
    QStringList events()
    {
        m_analytics->capture(u"marker"_s);
        QStringList names;
        const bool arrived = QTest::qWaitFor([&] {
            names.clear();
            for (const LocalHttpServer::Request &request : m_server->requests()) {
                const QJsonObject body = QJsonDocument::fromJson(request.body).object();
                const QJsonValue count = body.value(u"properties"_s).toObject().value(u"count"_s);
                names.append(body[u"event"_s].toString() + (count.isUndefined() ? QString() : u' ' + count.toString()));
            }
            return names.removeAll(u"marker"_s) > 0;
        });
        names.sort();
        return arrived ? names : QStringList { u"the marker never arrived"_s };
    }

    // Presses the row and, in the alert it opens, the button titled answer; returns the alert's title.
    QString answerAlert(const QString &row, const QString &alertName, const QString &answer, QWidget *view = nullptr)
    {
        view = view ? view : m_view.get();
        QTest::mouseClick(view->findChild<QAbstractButton *>(row), Qt::LeftButton);
        QDialog *alert = nullptr;
        if (!QTest::qWaitFor([&] { return (alert = view->findChild<QDialog *>(alertName)) && alert->isVisible(); }))
            return {};
        // An alert, or the review of what a removal takes.
        auto *box = qobject_cast<QMessageBox *>(alert);
        const QString title = box ? box->text() : alert->windowTitle();
        for (QAbstractButton *button : alert->findChildren<QAbstractButton *>())
            if (button->text() == answer) {
                QTest::mouseClick(button, Qt::LeftButton);
                break;
            }
        return title;
    }

    QStringList installCatalogApps(int count)
    {
        QStringList bundles;
        for (const CatalogApp &app : Catalog::builtIn())
            if (bundles.size() < count && app.bundleID)
                bundles.append(m_sandbox->makeBundle(m_sandbox->userApplications(), app.name, *app.bundleID));
        return bundles;
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &scheme : { u"mailto"_s, u"https"_s })
            QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    }
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        // The Trash of removed apps lands in the sandbox, not in this machine's.
        qputenv("XDG_DATA_HOME", (m_sandbox->home() + u"/.local/share"_s).toUtf8());
        UserDefaults::setStandardLocation(m_sandbox->root() + u"/defaults.ini"_s);
        m_defaults = std::make_unique<UserDefaults>(m_sandbox->root() + u"/analytics.ini"_s);
        m_defaults->setBool(SettingsKeys::analyticsOptIn(), true);
        m_server = std::make_unique<LocalHttpServer>();
        m_server->serve("/capture/", "{}");
        m_analytics = std::make_unique<Analytics>(
            Analytics::Configuration { u"phc_test"_s, m_server->url().toString() }, m_defaults.get());
        m_engine = std::make_unique<InstallEngine>(m_sandbox->environment());
        m_view = std::make_unique<SettingsView>(m_engine.get());
        m_view->setAnalytics(m_analytics.get());
        m_installation = m_sandbox->makeBundle(m_sandbox->systemApplications(), u"Bob's Orvando"_s, u"app.orvando"_s);
        m_view->setInstallationPath(m_installation);
        m_quits = 0;
        m_view->setQuitHandler([this] { ++m_quits; });
        m_opened.clear();
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup()
    {
        m_view.reset();
        m_engine.reset();
        m_analytics.reset();
        m_defaults.reset();
        m_server.reset();
        UserDefaults::setStandardLocation(QString());
        qunsetenv("XDG_DATA_HOME");
        m_sandbox.reset();
    }

    // The note after removing every catalog app: singular and plural come from the translation.
    void removedNoteCountsTheApps_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("note");
        QTest::newRow("none") << 0 << u"No catalog apps were installed."_s;
        QTest::newRow("one") << 1 << u"Removed 1 app."_s;
        QTest::newRow("two") << 2 << u"Removed 2 apps."_s;
        QTest::newRow("twenty-one") << 21 << u"Removed 21 apps."_s;
    }
    void removedNoteCountsTheApps()
    {
        QFETCH(int, count);
        QFETCH(QString, note);
        QCOMPARE(SettingsView::removedNote(count), note);
    }

    // Typed as the keyboard sends it, Return between lines; blank text cannot be sent. A suggestion
    // no mail app took stays, with the address to copy.
    void sendsTheSuggestionAsTyped_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("mailApp");
        QTest::newRow("spaces, tabs and line breaks") << QStringList { u" \t "_s, u""_s, u" "_s } << true;
        QTest::newRow("query characters, lines, accents")
            << QStringList { u"  a&b=c?d+e#f"_s, u""_s, u"Zoë\u00a0Café ✓ "_s } << true;
        QTest::newRow("no mail app") << QStringList { u"Rectangle"_s } << false;
    }
    void sendsTheSuggestionAsTyped()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, mailApp);
        if (!mailApp)
            UrlOpener::setOpener([](const QUrl &) { return false; });
        const auto restore = qScopeGuard([] { UrlOpener::setOpener({}); });
        auto *editor = child<QPlainTextEdit>(u"suggestEditor"_s);
        auto *send = child<QPushButton>(u"sendSuggestion"_s);
        editor->setFocus();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            for (const QChar c : lines[i]) { // characters beyond Latin-1 included
                QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
        const bool blank = lines.join(QString()).trimmed().isEmpty();
        QCOMPARE(send->isEnabled(), !blank);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(m_opened.size(), blank || !mailApp ? 0 : 1);
        if (!mailApp) {
            QCOMPARE(editor->toPlainText(), u"Rectangle"_s);
            QCOMPARE(m_view->busyNote(), u"No mail app opened. Write to "_s + ProductInfo::supportEmail() + u"."_s);
            auto *copy = child<QAbstractButton>(u"copyAddress"_s);
            QVERIFY(!copy->isHidden());
            QApplication::clipboard()->clear();
            QTest::mouseClick(copy, Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), ProductInfo::supportEmail());
        }
        if (blank || !mailApp)
            return;
        const QByteArray encoded = m_opened.first().toEncoded();
        QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.mid(encoded.indexOf("&body=") + 6))),
            u"Suggested app / tool:\n\n\n"_s + lines.join(u'\n') + u"\n\n\nWhy it should be in Orvando:\n\n"_s);
        QVERIFY(editor->toPlainText().isEmpty() && !send->isEnabled());
        QCOMPARE(m_view->busyNote(), u"Opened your mail app with the suggestion."_s);
    }

    void analyticsSwitchRecordsChangesAndEverySheetFollows()
    {
        SettingsView second(m_engine.get());
        second.setAnalytics(m_analytics.get());
        second.show();
        auto *toggle = second.findChild<QCheckBox *>(u"analyticsSwitch"_s);
        QVERIFY(toggle->isChecked());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!m_defaults->boolValue(SettingsKeys::analyticsOptIn(), true));
        QVERIFY(!child<QCheckBox>(u"analyticsSwitch"_s)->isChecked());
        QTest::keyClick(toggle, Qt::Key_Space);
        QVERIFY(m_defaults->boolValue(SettingsKeys::analyticsOptIn(), false));
        QCOMPARE(events(), (QStringList { u"analytics_opt_in"_s, u"analytics_opt_out"_s }));
    }

    // Each confirmation, cancelled, changes nothing; "Uninstall all" removes the catalog's apps and
    // says how many; "Remove Orvando" deletes only its own bundle, then quits, or says why it cannot
    // from where it lies.
    void confirmationsDoOnlyWhatTheySay_data()
    {
        QTest::addColumn<QString>("button"); // and its alert, "confirm" + the button's name
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("installed"); // catalog apps
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("folder"); // where Orvando lies in the sandbox; empty: in Applications
        const auto row = [](const char *name, const QString &button, const QString &answer, int installed,
                             const QString &note = {}, const QStringList &events = {}, const QString &folder = {}) {
            QTest::newRow(name) << button << answer << installed << note << events << folder;
        };
        const QString all = u"uninstallAll"_s, remove = u"removeOrvando"_s, uninstall = u"Remove app and data"_s;
        row("uninstall all, cancelled", all, u"Cancel"_s, 2);
        row("uninstall all of none", all, uninstall, 0, u"No catalog apps were installed."_s, { u"uninstall_all 0"_s });
        row("uninstall all of one", all, uninstall, 1, u"Removed 1 app."_s, { u"uninstall_all 1"_s });
        row("uninstall all of three", all, uninstall, 3, u"Removed 3 apps."_s, { u"uninstall_all 3"_s });
        row("remove Orvando, cancelled", remove, u"Cancel"_s, 2);
        row("remove Orvando", remove, u"Remove Orvando"_s, 2, {}, { u"uninstall_orvando_keep_apps"_s });
        const QString cannot
            = u"Orvando can't remove itself from here. Move it to Applications first, or drag it to the Trash."_s;
        row("remove Orvando from a read-only folder", remove, u"Remove Orvando"_s, 0, cannot, {}, u"Volumes/Orvando"_s);
        row("remove a translocated copy", remove, u"Remove Orvando"_s, 0, cannot, {}, u"AppTranslocation/1F2E/d"_s);
    }
    void confirmationsDoOnlyWhatTheySay()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(int, installed);
        QFETCH(QString, note);
        QFETCH(QString, folder);
        if (!folder.isEmpty()) {
            m_installation = m_sandbox->makeBundle(m_sandbox->root() + u'/' + folder, u"Orvando"_s, u"app.orvando"_s);
            m_view->setInstallationPath(m_installation);
        }
        const QString readOnly
            = folder.startsWith(u"Volumes/"_s) ? QFileInfo(m_installation).absolutePath() : QString();
        if (!readOnly.isEmpty() && !Sandbox::setImmutable(readOnly, true))
            QSKIP("this file system has no immutable flag");
        const auto unlock = qScopeGuard([&readOnly] {
            if (!readOnly.isEmpty())
                Sandbox::setImmutable(readOnly, false);
        });
        const bool all = button == u"uninstallAll"_s, confirmed = answer != u"Cancel"_s;
        const bool removes = !all && confirmed && folder.isEmpty();
        const QStringList bundles = installCatalogApps(installed);
        QSignalSpy finished(m_view.get(), &SettingsView::uninstallAllFinished);
        const QString alertName = u"confirm"_s + button.at(0).toUpper() + button.mid(1);
        QCOMPARE(answerAlert(button, alertName, answer),
            all ? u"Uninstall every app Orvando installed?"_s : u"Remove Orvando but keep my apps?"_s);
        QTRY_VERIFY(!child<QMessageBox>(alertName));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), int(all && confirmed), 20000);
        QCOMPARE(m_view->busyNote(), note);
        QCOMPARE(child<QLabel>(u"busyNote"_s)->isVisible(), !note.isEmpty());
        QVERIFY(folder.isEmpty() || !SelfRemoval::removeAndQuit(m_installation, [this] { ++m_quits; }));
        QCOMPARE(m_quits, int(removes));
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo::exists(m_installation), !removes, 15000);
        QVERIFY(removes || QFileInfo::exists(m_installation + u"/Contents/Info.plist"_s));
        for (const QString &bundle : bundles)
            QVERIFY2(QFileInfo::exists(bundle) != (all && confirmed), qPrintable(bundle));
        QTEST(events(), "events");
    }

    void uninstallAllCannotBeStartedTwice()
    {
        QVERIFY(m_sandbox->installFakeBrew() && m_sandbox->registerCask(u"stats"_s, u"Stats"_s, u"eu.exelban.Stats"_s));
        InstallEngine engine(m_sandbox->environment());
        ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", QByteArray("0.2"));
        startDetached(engine.install(EngineTestKit::catalogApp(u"stats"_s)));
        QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"stats"_s), std::optional(InstallState::installed()), 30000);

        SettingsView view(&engine);
        view.show();
        QVERIFY(!answerAlert(u"uninstallAll"_s, u"confirmUninstallAll"_s, u"Remove app and data"_s, &view).isEmpty());
        auto *row = view.findChild<QAbstractButton *>(u"uninstallAll"_s);
        QVERIFY(!row->isEnabled());
        SettingsView reopened(&engine); // a sheet opened meanwhile knows too
        QVERIFY(!reopened.findChild<QAbstractButton *>(u"uninstallAll"_s)->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(view.busyNote(), u"Removed 1 app."_s, 30000);
        QVERIFY(row->isEnabled());
    }

    // How Orvando keeps itself current (the switch where it updates itself, how to update where it
    // cannot) and which catalog it uses, with a newer one that waits for the next start.
    void updatesSectionSaysHowOrvandoAndItsCatalogStayCurrent_data()
    {
        QTest::addColumn<int>("selfUpdating"); // -1: not (built from source here); 0 or 1: its daily check
        QTest::addColumn<int>("inUse"); // apps of the refreshed catalog in use; 0: the built-in list
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("waiting"); // a newer catalog is kept: the note
        QTest::newRow("built from source, built-in list") << -1 << 0 << u"Catalog: built in, 28 apps"_s << QString();
        QTest::newRow("updates itself daily, a catalog of one app")
            << 1 << 1 << u"Catalog: updated 9 December 2026, 1 app"_s << QString();
        QTest::newRow("daily check off, a newer catalog waits")
            << 0 << 2 << u"Catalog: updated 9 December 2026, 2 apps"_s
            << u"A newer catalog from 10 December 2026 is ready. Orvando uses it the next time it opens."_s;
    }
    void updatesSectionSaysHowOrvandoAndItsCatalogStayCurrent()
    {
        QFETCH(int, selfUpdating);
        QFETCH(int, inUse);
        QFETCH(QString, waiting);
        FakeSoftwareUpdater updater;
        updater.automatic = selfUpdating == 1;
        SoftwareUpdater::setShared(selfUpdating >= 0 ? &updater : nullptr);
        const auto restore = qScopeGuard([] { SoftwareUpdater::setShared(nullptr), Catalog::setActive(std::nullopt); });
        const QDateTime ninth(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        if (inUse > 0)
            Catalog::setActive(CatalogDocument { ninth, Catalog::builtIn().mid(0, inUse) });
        Environment env = m_sandbox->environment();
        const SignedCatalog::KeyPair keys = SignedCatalog::generateKeyPair();
        env.cacheDir = m_sandbox->root() + u"/cache"_s;
        env.catalogPublicKey = keys.publicKey;
        const QByteArray kept = CatalogDocument { ninth.addDays(1), Catalog::builtIn() }.toJson();
        QVERIFY(waiting.isEmpty() || Sandbox::writeFile(env.cacheDir + u"/catalog/catalog.json"_s, kept));
        QVERIFY(Sandbox::writeFile(
            env.cacheDir + u"/catalog/catalog.json.sig"_s, SignedCatalog::sign(kept, keys.secretKey)));
        InstallEngine engine(env);
        SettingsView view(&engine);

        auto *toggle = view.findChild<QCheckBox *>(u"automaticUpdatesSwitch"_s);
        auto *how = view.findChild<QLabel *>(u"howToUpdate"_s);
        QCOMPARE(toggle != nullptr, selfUpdating >= 0);
        QCOMPARE(how ? how->text() : QString(), selfUpdating < 0 ? SoftwareUpdater::shared().howToUpdate() : QString());
        if (toggle)
            toggle->click(); // from the state it shows to the other one
        QCOMPARE(updater.automatic, selfUpdating == 0);
        QTEST(view.findChild<QLabel *>(u"catalogSummary"_s)->text(), "summary");
        auto *note = view.findChild<QLabel *>(u"catalogWaiting"_s);
        QCOMPARE(note ? note->text() : QString(), waiting);
    }
};

QTEST_MAIN(TestSettingsView)
#include "TestSettingsView.moc"
