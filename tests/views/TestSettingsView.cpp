// The settings sheet driven like a user would, with a sandboxed engine, a recording analytics
// endpoint on 127.0.0.1 and caught mailto:/https: hand-offs.
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "telemetry/Analytics.h"
#include "telemetry/CaptureServer.h"
#include "telemetry/ProductInfo.h"
#include "views/BrandSwitch.h"
#include "views/SettingsView.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestSettingsView : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private:
    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<CaptureServer> m_server;
    std::unique_ptr<Analytics> m_analytics;
    std::unique_ptr<InstallEngine> m_engine;
    std::unique_ptr<SettingsView> m_view;
    QList<QUrl> m_opened;
    int m_quits = 0;

    template <typename T> T *child(const QString &name) const
    {
        T *found = m_view->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }

    // Events in arrival order, with their "count" property where there is one.
    QStringList events() const
    {
        QStringList names;
        for (const CaptureServer::Request &request : m_server->requests()) {
            const QJsonObject body = QJsonDocument::fromJson(request.body).object();
            const QJsonValue count = body.value(u"properties"_s).toObject().value(u"count"_s);
            names.append(
                body[u"event"_s].toString() + (count.isUndefined() ? QString() : u" count="_s + count.toString()));
        }
        return names;
    }

    // The events the view sent, sorted: waits for the expected number, then for a marker sent
    // through a client of its own, so that an unexpected extra event has had its chance to arrive.
    QStringList eventsSettled(int expected)
    {
        if (!QTest::qWaitFor([&] { return events().size() >= expected; }, 10000))
            return { u"events lost"_s };
        UserDefaults markerDefaults(m_sandbox->root() + u"/marker.ini"_s);
        markerDefaults.setBool(u"orvando.analytics_opt_in"_s, true);
        Analytics marker({ u"phc_test"_s, m_server->url().toString() }, &markerDefaults);
        marker.capture(u"marker"_s);
        if (!QTest::qWaitFor([this] { return events().contains(u"marker"_s); }, 10000))
            return { u"marker lost"_s };
        QStringList list = events();
        list.removeAll(u"marker"_s);
        list.sort();
        return list;
    }

    QMessageBox *openAlert(const QString &rowName, const QString &alertName)
    {
        QTest::mouseClick(child<QAbstractButton>(rowName), Qt::LeftButton);
        QMessageBox *alert = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            alert = m_view->findChild<QMessageBox *>(alertName);
            return alert && alert->isVisible();
        });
        return shown ? alert : nullptr;
    }

    static QAbstractButton *button(QMessageBox *alert, const QString &text)
    {
        for (QAbstractButton *candidate : alert->buttons())
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }

    QStringList installCatalogApps(int count)
    {
        QStringList bundles;
        for (const CatalogApp &app : Catalog::v1())
            if (bundles.size() < count && app.bundleID)
                bundles.append(m_sandbox->makeBundle(m_sandbox->userApplications(), app.name, *app.bundleID));
        return bundles;
    }

    void saveScreenshot(QWidget *widget, const QString &name)
    {
        QDir().mkpath(QStringLiteral(ORVANDO_BINARY_DIR "/screenshots"));
        QVERIFY(widget->grab().save(QStringLiteral(ORVANDO_BINARY_DIR "/screenshots/") + name + u".png"_s));
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &scheme : { u"mailto"_s, u"https"_s })
            QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(u"mailto"_s);
        QDesktopServices::unsetUrlHandler(u"https"_s);
    }

    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        QVERIFY(m_sandbox->isValid());
        // The Trash of removed apps lands in the sandbox, not in this machine's.
        qputenv("XDG_DATA_HOME", (m_sandbox->home() + u"/.local/share"_s).toUtf8());
        UserDefaults::setStandardLocation(m_sandbox->root() + u"/defaults.ini"_s);
        // Consent given, so every event the view records reaches the server.
        UserDefaults::standard().setBool(u"orvando.analytics_opt_in"_s, true);
        m_server = std::make_unique<CaptureServer>();
        m_analytics = std::make_unique<Analytics>(
            Analytics::Configuration { u"phc_test"_s, m_server->url().toString() }, &UserDefaults::standard());
        m_engine = std::make_unique<InstallEngine>(m_sandbox->environment());
        m_view = std::make_unique<SettingsView>(m_engine.get());
        m_view->setAnalytics(m_analytics.get());
        m_view->setInstallationPath(m_sandbox->root() + u"/Applications/Orvando.app"_s);
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
        m_server.reset();
        UserDefaults::setStandardLocation(QString());
        qunsetenv("XDG_DATA_HOME");
        m_sandbox.reset();
    }

    void legalLinksOpenTheProductSite()
    {
        QTest::mouseClick(child<QAbstractButton>(u"privacyLink"_s), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(u"termsLink"_s), Qt::LeftButton);
        QCOMPARE(m_opened,
            (QList<QUrl> { QUrl(ProductInfo::website() + u"/privacy"_s), QUrl(ProductInfo::website() + u"/terms"_s) }));
        QVERIFY(visibleLabel(u"Questions: "_s + ProductInfo::supportEmail()));
    }

    // Typed as the keyboard sends it, Return between lines; blank text cannot be sent, the rest goes unchanged.
    void sendsTheSuggestionAsTyped_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << QStringList() << false;
        QTest::newRow("spaces, tabs and line breaks") << QStringList { u" \t "_s, u""_s, u" "_s } << false;
        QTest::newRow("surrounding spaces") << QStringList { u"  Rectangle  "_s } << true;
        QTest::newRow("query characters and lines")
            << QStringList { u"a&b=c?d+e#f"_s, u""_s, u"second line"_s } << true;
        QTest::newRow("no-break space and accents") << QStringList { u"Zoë\u00a0Café ✓"_s } << true;
    }
    void sendsTheSuggestionAsTyped()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, enabled);
        auto *editor = child<QPlainTextEdit>(u"suggestEditor"_s);
        auto *send = child<QPushButton>(u"sendSuggestion"_s);
        editor->setFocus();
        QTest::keyClicks(editor, u"x"_s);
        QTest::keyClick(editor, Qt::Key_Backspace);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            for (const QChar c : lines[i]) { // characters beyond Latin-1 included
                QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
        QCOMPARE(send->isEnabled(), enabled);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(m_opened.size(), enabled ? 1 : 0);
        if (!enabled)
            return;
        const QByteArray encoded = m_opened.first().toEncoded();
        const QByteArray body = encoded.mid(encoded.indexOf("&body=") + 6);
        QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(body)),
            u"Suggested app / tool:\n\n\n"_s + lines.join(u'\n') + u"\n\n\nWhy it should be in Orvando:\n\n"_s);
        QVERIFY(editor->toPlainText().isEmpty());
        QVERIFY(!send->isEnabled());
        QCOMPARE(m_view->busyNote(), u"Opened your mail app with the suggestion."_s);
    }

    void analyticsSwitchRecordsChangesOnly()
    {
        SettingsView second(m_engine.get());
        second.setAnalytics(m_analytics.get());
        second.show();
        auto *toggle = second.findChild<BrandSwitch *>(u"analyticsSwitch"_s);
        QVERIFY(toggle->isChecked());
        QCOMPARE(toggle->knobPosition(), 1.0);

        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!UserDefaults::standard().boolValue(u"orvando.analytics_opt_in"_s, true));
        QTRY_COMPARE(toggle->knobPosition(), 0.0);
        // The other open sheet follows, knob included, without recording anything of its own.
        QVERIFY(!child<BrandSwitch>(u"analyticsSwitch"_s)->isChecked());
        QTRY_COMPARE(child<BrandSwitch>(u"analyticsSwitch"_s)->knobPosition(), 0.0);
        QTest::keyClick(toggle, Qt::Key_Space);
        QVERIFY(UserDefaults::standard().boolValue(u"orvando.analytics_opt_in"_s, false));
        QCOMPARE(eventsSettled(2), (QStringList { u"analytics_opt_in"_s, u"analytics_opt_out"_s }));
    }

    void uninstallAllReportsTheCount_data()
    {
        QTest::addColumn<int>("installed");
        QTest::addColumn<QString>("note");
        QTest::newRow("none") << 0 << u"No catalog apps were installed."_s;
        QTest::newRow("one") << 1 << u"Removed 1 app."_s;
        QTest::newRow("three") << 3 << u"Removed 3 apps."_s;
    }
    void uninstallAllReportsTheCount()
    {
        QFETCH(int, installed);
        QFETCH(QString, note);
        const QStringList bundles = installCatalogApps(installed);
        QCOMPARE(bundles.size(), installed);
        QMessageBox *alert = openAlert(u"uninstallAll"_s, u"confirmUninstallAll"_s);
        QVERIFY(alert);
        QSignalSpy finished(m_view.get(), &SettingsView::uninstallAllFinished);
        QTest::mouseClick(button(alert, u"Uninstall all"_s), Qt::LeftButton);

        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QCOMPARE(finished.first().first().toInt(), installed);
        QCOMPARE(m_view->busyNote(), note);
        QVERIFY(child<QLabel>(u"busyNote"_s)->isVisible());
        for (const QString &bundle : bundles)
            QVERIFY2(!QFileInfo::exists(bundle), qPrintable(bundle));
        QCOMPARE(eventsSettled(1), QStringList { u"uninstall_all count=%1"_s.arg(installed) });
        QVERIFY(!m_view->findChild<QMessageBox *>(u"confirmUninstallAll"_s));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("alertName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("action");
        QTest::newRow("uninstall all") << u"uninstallAll"_s << u"confirmUninstallAll"_s
                                       << u"Uninstall every app Orvando installed?"_s
                                       << u"This removes catalog apps from your Mac via Homebrew or Trash and moves "
                                          u"their settings to the Trash. Your files stay. Orvando itself stays "
                                          u"installed."_s
                                       << u"Uninstall all"_s;
        QTest::newRow("remove Orvando") << u"removeOrvando"_s << u"confirmRemoveOrvando"_s
                                        << u"Remove Orvando but keep my apps?"_s
                                        << u"Apps already in Applications stay. Only the Orvando app is removed."_s
                                        << u"Remove Orvando"_s;
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, row);
        QFETCH(QString, alertName);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, action);
        const QStringList bundles = installCatalogApps(2)
            + QStringList { m_sandbox->makeBundle(m_sandbox->systemApplications(), u"Orvando"_s, u"app.orvando"_s) };

        QMessageBox *alert = openAlert(row, alertName);
        QVERIFY(alert);
        QCOMPARE(alert->text(), title);
        QCOMPARE(alert->informativeText(), message);
        QCOMPARE(alert->buttons().size(), 2);
        QAbstractButton *cancel = button(alert, u"Cancel"_s);
        QCOMPARE(alert->buttonRole(cancel), QMessageBox::RejectRole);
        QCOMPARE(alert->buttonRole(button(alert, action)), QMessageBox::DestructiveRole);
        saveScreenshot(alert, alertName);
        QTest::mouseClick(cancel, Qt::LeftButton);

        QTRY_VERIFY(!m_view->findChild<QMessageBox *>(alertName));
        QCOMPARE(m_quits, 0);
        QVERIFY(m_view->busyNote().isEmpty());
        for (const QString &bundle : bundles)
            QVERIFY(QFileInfo::exists(bundle));
        QCOMPARE(eventsSettled(0), QStringList());
    }

    // The removal itself, and its refusals, are tested against the real shell in TestSelfRemoval.
    void removeOrvandoDeletesOnlyItsBundle()
    {
        const QStringList apps = installCatalogApps(2);
        const QString own
            = m_sandbox->makeBundle(m_sandbox->systemApplications(), u"Bob's Orvando"_s, u"app.orvando"_s);
        m_view->setInstallationPath(own);
        QMessageBox *alert = openAlert(u"removeOrvando"_s, u"confirmRemoveOrvando"_s);
        QVERIFY(alert);
        QTest::mouseClick(button(alert, u"Remove Orvando"_s), Qt::LeftButton);
        QCOMPARE(m_quits, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(own), 15000);
        for (const QString &app : apps + QStringList { m_sandbox->systemApplications() })
            QVERIFY(QFileInfo::exists(app));
        QCOMPARE(eventsSettled(1), QStringList { u"uninstall_orvando_keep_apps"_s });
    }

    void sheetHasItsSize()
    {
        QCOMPARE(m_view->size(), QSize(440, 560));
        QTest::keyClicks(child<QPlainTextEdit>(u"suggestEditor"_s), u"Rectangle, the window manager"_s);
        saveScreenshot(m_view.get(), u"settings"_s);
        QTest::mouseClick(child<QPushButton>(u"sendSuggestion"_s), Qt::LeftButton);
        QVERIFY(child<QLabel>(u"busyNote"_s)->isVisible());
        QCoreApplication::processEvents(); // let the content grow for the note
        auto *scroll = child<QScrollArea>(u"settingsScroll"_s);
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        saveScreenshot(m_view.get(), u"settings-bottom"_s);
    }

private:
    bool visibleLabel(const QString &text) const
    {
        const QList<QLabel *> labels = m_view->findChildren<QLabel *>();
        return std::any_of(labels.begin(), labels.end(), [&](QLabel *label) { return label->text() == text; });
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2"); // drawn for a Retina screen, as the saved screenshots should look
    QApplication app(argc, argv);
    TestSettingsView test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSettingsView.moc"
