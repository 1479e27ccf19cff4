#include "catalog/Catalog.h"
#include "views/AppCardContent.h"
#include "views/Brand.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Action = AppCardContent::Action;
using OptionalState = std::optional<InstallState>;
Q_DECLARE_METATYPE(OptionalState)

namespace {

CatalogApp catalogApp(const QString &id)
{
    for (const CatalogApp &app : Catalog::v1())
        if (app.id == id)
            return app;
    qFatal("no catalog app %s", qPrintable(id));
}

} // namespace

// What a card shows, decided from the catalog entry, the engine state and the engine-wide flags.
class TestAppCardContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void actionFollowsState_data();
    void actionFollowsState();
    void summaryFollowsCatalogEntry_data();
    void summaryFollowsCatalogEntry();
    void letterIsFirstGrapheme_data();
    void letterIsFirstGrapheme();
};

void TestAppCardContent::actionFollowsState_data()
{
    QTest::addColumn<OptionalState>("state");
    QTest::addColumn<bool>("note");
    QTest::addColumn<bool>("bootstrap");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("showsNote");

    const QString ready = u"Getting Rectangle ready."_s;
    const QString failure = u"Homebrew could not install Rectangle (exit 1)."_s;
    QTest::newRow("not examined yet") << OptionalState() << false << false << int(Action::Install) << QString()
                                      << u"Install"_s << false;
    QTest::newRow("not installed") << OptionalState(InstallState::notInstalled()) << false << false
                                   << int(Action::Install) << QString() << u"Install"_s << false;
    QTest::newRow("not installed, permission note") << OptionalState(InstallState::notInstalled()) << true << false
                                                    << int(Action::Install) << QString() << u"Install"_s << true;
    QTest::newRow("note is only shown under Install") << OptionalState(InstallState::installed()) << true << false
                                                      << int(Action::Installed) << QString() << QString() << false;
    QTest::newRow("installing, note verbatim") << OptionalState(InstallState::installing(ready)) << false << false
                                               << int(Action::Progress) << ready << QString() << false;
    QTest::newRow("uninstalling") << OptionalState(InstallState::uninstalling(u"Removing leftovers…"_s)) << false
                                  << true << int(Action::Progress) << u"Removing leftovers…"_s << QString() << false;
    QTest::newRow("failed") << OptionalState(InstallState::failed(failure)) << true << false << int(Action::Failed)
                            << failure << u"Try again"_s << false;
    QTest::newRow("installed") << OptionalState(InstallState::installed()) << false << false << int(Action::Installed)
                               << QString() << QString() << false;
    QTest::newRow("needs Homebrew") << OptionalState(InstallState::needsHomebrew()) << false << false
                                    << int(Action::SetUpHomebrew) << QString() << QString() << false;
    QTest::newRow("needs Homebrew while a setup runs")
        << OptionalState(InstallState::needsHomebrew()) << false << true << int(Action::SettingUpHomebrew)
        << u"Setting up Homebrew…"_s << QString() << false;
    QTest::newRow("a running setup leaves other states alone")
        << OptionalState(InstallState::notInstalled()) << false << true << int(Action::Install) << QString()
        << u"Install"_s << false;
}

void TestAppCardContent::actionFollowsState()
{
    QFETCH(OptionalState, state);
    QFETCH(bool, note);
    QFETCH(bool, bootstrap);
    QFETCH(int, action);
    QFETCH(QString, status);
    QFETCH(QString, button);
    QFETCH(bool, showsNote);

    const AppCardContent content = AppCardContent::make(
        catalogApp(u"rectangle"_s), state, { .permissionNote = note, .bootstrapInProgress = bootstrap });
    QCOMPARE(int(content.action), action);
    QCOMPARE(content.statusText, status);
    QCOMPARE(content.buttonTitle, button);
    QCOMPARE(content.permissionNote,
        showsNote ? u"Removed Rectangle. We could not clear its Accessibility permission automatically. You can remove "
                    u"the leftover entry in System Settings > Privacy & Security > Accessibility."_s
                  : QString());
}

void TestAppCardContent::summaryFollowsCatalogEntry_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("pricing");
    QTest::addColumn<QColor>("pricingColor");
    QTest::addColumn<bool>("freemiumNote");
    QTest::addColumn<QString>("replaces");
    QTest::addColumn<bool>("accessibility");
    QTest::addColumn<bool>("screenRecording");

    QTest::newRow("free, replaces, no permission")
        << u"maccy"_s << u"Free"_s << Brand::forest << false << u"Replaces Paste - $30/yr"_s << false << false;
    QTest::newRow("freemium, screen recording")
        << u"shottr"_s << u"Freemium"_s << Brand::deepTerra << true << u"Replaces CleanShot X - $29"_s << false << true;
    QTest::newRow("accessibility") << u"rectangle"_s << u"Free"_s << Brand::forest << false << u"Replaces Magnet - $8"_s
                                   << true << false;
}

void TestAppCardContent::summaryFollowsCatalogEntry()
{
    QFETCH(QString, id);
    QFETCH(QString, pricing);
    QFETCH(QColor, pricingColor);
    QFETCH(bool, freemiumNote);
    QFETCH(QString, replaces);
    QFETCH(bool, accessibility);
    QFETCH(bool, screenRecording);

    CatalogApp app = catalogApp(id);
    const AppCardContent content = AppCardContent::make(app, std::nullopt, {});
    QCOMPARE(content.pricingLabel, pricing);
    QCOMPARE(content.pricingColor, pricingColor);
    QCOMPARE(content.freemiumNote,
        freemiumNote ? u"The free version is all you need. Pro extras are optional."_s : QString());
    QCOMPARE(content.replacesLead + content.replacesPrice, replaces);
    QCOMPARE(content.accessibilityGuidance, accessibility);
    QCOMPARE(content.screenRecordingGuidance, screenRecording);

    // The same entry without a replacement has no replaces line at all.
    app.replaces.reset();
    const AppCardContent without = AppCardContent::make(app, std::nullopt, {});
    QVERIFY(without.replacesLead.isEmpty());
    QVERIFY(without.replacesPrice.isEmpty());
}

void TestAppCardContent::letterIsFirstGrapheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("letter");
    QTest::newRow("plain") << u"Maccy"_s << u"M"_s;
    QTest::newRow("combining accent stays with its letter") << u"E\u0301tude"_s << u"E\u0301"_s;
    QTest::newRow("surrogate pair") << u"\U0001D4D0pp"_s << u"\U0001D4D0"_s;
    QTest::newRow("flag is two code points") << u"\U0001F1EB\U0001F1F7 Paris"_s << u"\U0001F1EB\U0001F1F7"_s;
    QTest::newRow("joined emoji") << u"\U0001F469\u200D\U0001F4BB app"_s << u"\U0001F469\u200D\U0001F4BB"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestAppCardContent::letterIsFirstGrapheme()
{
    QFETCH(QString, name);
    QFETCH(QString, letter);
    QCOMPARE(AppCardContent::firstGrapheme(name), letter);
    CatalogApp app = catalogApp(u"maccy"_s);
    app.name = name;
    QCOMPARE(AppCardContent::make(app, std::nullopt, {}).letter, letter);
}

QTEST_GUILESS_MAIN(TestAppCardContent)
#include "TestAppCardContent.moc"
