// The settings sheet when things cannot be done as asked: no mail app, a copy of Orvando that
// cannot remove itself from where it runs, a removal of everything already running.
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/UrlOpener.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "telemetry/ProductInfo.h"
#include "views/SelfRemoval.h"
#include "views/SettingsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString cannotRemove
    = u"Orvando can't remove itself from here. Move it to Applications first, or drag it to the Trash."_s;

void confirm(SettingsView &view, const char *row, const char *alertName, const QString &action)
{
    QTest::mouseClick(view.findChild<QAbstractButton *>(QString::fromLatin1(row)), Qt::LeftButton);
    QMessageBox *alert = nullptr;
    QTRY_VERIFY((alert = view.findChild<QMessageBox *>(QString::fromLatin1(alertName))));
    for (QAbstractButton *button : alert->buttons())
        if (button->text() == action)
            QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestSettingsGuards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aSuggestionNoMailAppTookStays();
    void selfRemovalSaysWhenItCannotRemoveFromHere_data();
    void selfRemovalSaysWhenItCannotRemoveFromHere();
    void uninstallAllCannotBeStartedTwice();
};

void TestSettingsGuards::aSuggestionNoMailAppTookStays()
{
    Sandbox sandbox;
    InstallEngine engine(sandbox.environment());
    SettingsView view(&engine);
    auto *editor = view.findChild<QPlainTextEdit *>(u"suggestEditor"_s);
    editor->setPlainText(u"Rectangle"_s);
    UrlOpener::setOpener([](const QUrl &) { return false; });
    QTest::mouseClick(view.findChild<QAbstractButton *>(u"sendSuggestion"_s), Qt::LeftButton);
    UrlOpener::setOpener({});

    QCOMPARE(editor->toPlainText(), u"Rectangle"_s);
    QCOMPARE(view.busyNote(), u"No mail app opened. Write to "_s + ProductInfo::supportEmail() + u"."_s);
    auto *copy = view.findChild<QAbstractButton *>(u"copyAddress"_s);
    QVERIFY(!copy->isHidden());
    QApplication::clipboard()->clear();
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), ProductInfo::supportEmail());
}

void TestSettingsGuards::selfRemovalSaysWhenItCannotRemoveFromHere_data()
{
    QTest::addColumn<QString>("folder"); // where the bundle lies, in the sandbox
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only folder") << u"Volumes/Orvando"_s << true;
    QTest::newRow("translocated copy") << u"AppTranslocation/1F2E/d"_s << false;
}

void TestSettingsGuards::selfRemovalSaysWhenItCannotRemoveFromHere()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    Sandbox sandbox;
    const QString bundle = sandbox.makeBundle(sandbox.root() + u'/' + folder, u"Orvando"_s, u"app.orvando"_s);
    if (readOnly && !Sandbox::setImmutable(QFileInfo(bundle).absolutePath(), true))
        QSKIP("this file system has no immutable flag");
    InstallEngine engine(sandbox.environment());
    SettingsView view(&engine);
    view.setInstallationPath(bundle);
    int quits = 0;
    view.setQuitHandler([&quits] { ++quits; });

    confirm(view, "removeOrvando", "confirmRemoveOrvando", u"Remove Orvando"_s);
    QCOMPARE(quits, 0);
    QCOMPARE(view.busyNote(), cannotRemove);
    QVERIFY(!SelfRemoval::removeAndQuit(bundle, [&quits] { ++quits; }));
    QCOMPARE(quits, 0);
    QVERIFY(QFileInfo::exists(bundle + u"/Contents/Info.plist"_s));
    if (readOnly)
        Sandbox::setImmutable(QFileInfo(bundle).absolutePath(), false);
}

void TestSettingsGuards::uninstallAllCannotBeStartedTwice()
{
    Sandbox sandbox;
    QVERIFY(sandbox.installFakeBrew() && sandbox.registerCask(u"stats"_s, u"Stats"_s, u"eu.exelban.Stats"_s));
    InstallEngine engine(sandbox.environment());
    CatalogApp stats;
    for (const CatalogApp &app : Catalog::v1())
        if (app.id == u"stats"_s)
            stats = app;
    ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", QByteArray("0.2"));
    InstallEngine::startDetached(engine.install(stats));
    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"stats"_s), std::optional(InstallState::installed()), 30000);

    SettingsView view(&engine);
    auto *row = view.findChild<QAbstractButton *>(u"uninstallAll"_s);
    confirm(view, "uninstallAll", "confirmUninstallAll", u"Uninstall all"_s);
    QVERIFY(!row->isEnabled());
    SettingsView reopened(&engine); // a sheet opened meanwhile knows too
    QVERIFY(!reopened.findChild<QAbstractButton *>(u"uninstallAll"_s)->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(view.busyNote(), u"Removed 1 app."_s, 30000);
    QVERIFY(row->isEnabled());
}

QTEST_MAIN(TestSettingsGuards)
#include "TestSettingsGuards.moc"
