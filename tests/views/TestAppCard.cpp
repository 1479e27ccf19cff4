#include "WidgetTexts.h"

#include "engine/EngineServices.h"
#include "engine/direct/KeptVersions.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/GatekeeperVerdict.h"
#include "engine/facts/PermissionGuidance.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/log/InstallLog.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "telemetry/Analytics.h"
#include "views/card/AppCard.h"
#include "views/card/AppCardActionArea.h"
#include "views/card/ReplacesLine.h"
#include "views/detail/AppDetailView.h"
#include "views/detail/BeforeInstallSection.h"
#include "views/detail/DetailActionArea.h"
#include "views/detail/ScreenshotStrip.h"
#include "views/detail/ScreenshotView.h"
#include "views/model/AppCardContent.h"
#include "views/removal/RemovalReview.h"
#include "views/style/BrandStyle.h"
#include "views/widgets/AppIconTile.h"
#include "views/widgets/ElidedLabel.h"
#include "views/widgets/RevealContainer.h"
#include "views/widgets/WrappedLabel.h"
#include "views/window/LogDrawer.h"
#include "views/window/LogListView.h"
#include "views/window/RootView.h"
#include "views/window/UpdateChoices.h"

#include <QApplication>
#include <QCoroSignal>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using EngineTestKit::catalogApp;
using OptionalState = std::optional<InstallState>;
Q_DECLARE_METATYPE(OptionalState)
Q_DECLARE_METATYPE(FailureKind)

namespace {

const QString setUp = u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s;
const QString note = PermissionGuidance::accessibilityLeftover(u"Rectangle"_s);
const QString accessibilityPage = u"x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility"_s;

// Holds a fake Homebrew setup until the test lets it finish.
class Gate : public QObject
{
    Q_OBJECT

Q_SIGNALS:
    void opened();
};

QCoro::Task<int> fakeSetup(const Sandbox *sandbox, Gate *gate)
{
    co_await qCoro(gate, &Gate::opened);
    co_return sandbox->installFakeBrew() ? 0 : 1;
}

template <typename View> QStringList shown(const View &view)
{
    return visibleTexts(view.actionArea());
}

// Homebrew's word on the casks of both fixtures (a disabled, a deprecated, a no_check one), then
// which are outdated, read as the window's services read them.
QCoro::Task<> readFacts(const Sandbox *sandbox, EngineServices *services)
{
    QJsonArray casks;
    for (const char *fixture :
        { "/tests/engine/fixtures/brew-info-casks.json", "/tests/cli/fixtures/brew-info.json" }) {
        const QString path = QStringLiteral(ORVANDO_SOURCE_DIR) + QLatin1String(fixture);
        for (const QJsonValue &cask : QJsonDocument::fromJson(EngineTestKit::fileBytes(path))[u"casks"_s].toArray())
            casks.append(cask);
    }
    const QString info = sandbox->root() + u"/info.json"_s;
    Sandbox::writeFile(info, QJsonDocument(QJsonObject { { u"casks"_s, casks } }).toJson());
    const ScopedEnvironmentVariable infoJson("FAKE_BREW_INFO_JSON", info.toUtf8());
    const ScopedEnvironmentVariable outdated(
        "FAKE_BREW_OUTDATED_JSON", ORVANDO_SOURCE_DIR "/tests/engine/fixtures/brew-outdated.json");
    co_await services->facts()->refresh();
    co_await services->updates()->check();
}

} // namespace

// A card and its detail sheet on a real engine over a sandbox Mac: what they show in each state
// and what their buttons do.
class TestAppCard : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url.toString()); }

private:
    QStringList m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources/Orvando_Orvando.bundle");
        QStandardPaths::setTestModeEnabled(true);
        BrandStyle::install();
        QDesktopServices::setUrlHandler(u"x-apple.systempreferences"_s, this, "openUrl");
        QDesktopServices::setUrlHandler(u"file"_s, this, "openUrl");
    }
    void init() { m_opened.clear(); }

    // Shown: exactly these of the card's and the sheet's controls and texts; heard: what a screen
    // reader meets in the card's action area, and how it describes the card.
    void showsWhatEachStateCallsFor_data()
    {
        QTest::addColumn<OptionalState>("state");
        QTest::addColumn<bool>("permissionNote");
        QTest::addColumn<bool>("setupRuns");
        QTest::addColumn<QStringList>("card");
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<QStringList>("heardControls");
        QTest::addColumn<QString>("status");
        const QString failure = u"Homebrew could not install Rectangle (exit 1)."_s,
                      getting = u"Getting Rectangle ready."_s, removing = u"Removing leftovers…"_s,
                      settingUp = u"Setting up Homebrew…"_s;
        const QStringList install { u"Install"_s }, installed { u"Installed"_s, u"Uninstall"_s };
        const QStringList heardInstall { u"button Install Rectangle"_s };
        const auto row = [](const char *name, OptionalState state, bool withNote, bool setup, QStringList card,
                             QStringList sheet, QStringList heard, QString status) {
            QTest::newRow(name) << state << withNote << setup << card << sheet << heard << status;
        };
        row("not examined yet", std::nullopt, false, false, install, install, heardInstall, {});
        row("not installed, note", InstallState::notInstalled(), true, false,
            install + QStringList { note, u"Open Accessibility settings"_s }, install,
            heardInstall + QStringList { u"button Open Accessibility settings"_s }, {});
        row("a running setup leaves others alone", InstallState::notInstalled(), false, true, install, install,
            heardInstall, {});
        row("installing", InstallState::installing(getting), false, false, { getting, u"Cancel"_s },
            { getting, u"Cancel"_s },
            { u"progress Getting Rectangle ready. [busy]"_s,
                u"button Cancel installing Rectangle — Stop, and leave Rectangle as it is on disk."_s },
            getting);
        row("uninstalling, note", InstallState::uninstalling(removing), true, false, { removing }, { removing },
            { u"progress Removing leftovers… [busy]"_s }, removing);
        row("failed", InstallState::failed(failure), true, false,
            { failure, u"Try again"_s, u"Dismiss"_s, u"Show in log"_s }, { u"Try again"_s, u"Dismiss"_s },
            { u"button Try installing Rectangle again — "_s + failure,
                u"button Dismiss what went wrong with Rectangle — Show Rectangle as it is on this Mac now."_s,
                u"button Show what went wrong with Rectangle in the install log — Open the install log at the "
                u"lines that explain what went wrong."_s },
            failure);
        row("installed, note only under Install", InstallState::installed(), true, true,
            installed + QStringList { u"Need help opening it?"_s }, installed,
            { u"button Uninstall Rectangle — Remove Rectangle and its leftover files from this Mac."_s,
                u"button Need help opening Rectangle? — Show the steps for opening Rectangle the first time. "
                u"[collapsed]"_s },
            u"Installed"_s);
        row("needs Homebrew", InstallState::needsHomebrew(), false, false,
            { u"Rectangle installs through Homebrew, a free package manager for the Mac. orvando can set it up for "
              u"you — one time, right here."_s,
                setUp, u"It asks for your password once. After that every install is silent — no Terminal, ever."_s },
            { u"Set up Homebrew"_s },
            { u"button "_s + setUp
                + u" — Installs Homebrew with your password, then continues installing Rectangle."_s },
            {});
        row("needs Homebrew, setup runs", InstallState::needsHomebrew(), false, true, { settingUp }, { settingUp },
            { u"progress Setting up Homebrew… [busy]"_s }, settingUp);
    }
    void showsWhatEachStateCallsFor()
    {
        QFETCH(OptionalState, state);
        QFETCH(bool, permissionNote);
        QFETCH(bool, setupRuns);
        QFETCH(QStringList, card);
        QFETCH(QStringList, sheet);
        QFETCH(QStringList, heardControls);
        QFETCH(QString, status);
        Sandbox sandbox;
        EngineTestKit::TestEngine engine(sandbox.environment());
        AppCard view(catalogApp(u"rectangle"_s), &engine);
        AppDetailView detail(view.app(), &engine);
        if (state)
            engine.setState(u"rectangle"_s, *state);
        engine.setPermissionNote(u"maccy"_s, true); // another app's note never shows here
        engine.setPermissionNote(u"rectangle"_s, permissionNote);
        engine.setSetupInProgress(setupRuns);
        view.resize(300, view.heightForWidth(300)); // the narrowest column the grid makes
        view.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        QCOMPARE(shown(view), card);
        QCOMPARE(shown(detail), sheet);
        QCOMPARE(heard(view.actionArea()), heardControls);
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(&view);
        QCOMPARE(group->text(QAccessible::Name), u"Rectangle"_s);
        QCOMPARE(group->text(QAccessible::Description), status);
        QCOMPARE(group->state().busy, heardControls.constFirst().endsWith(u"[busy]"_s));
        // The icon is named for what it shows; no wrapped text is cut off.
        QCOMPARE(heard(&view).at(1), u"button Rectangle — See Rectangle screenshots and details."_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(view.findChild<AppIconTile *>())->text(QAccessible::Name),
            u"Rectangle icon"_s);
        for (const QWidget *widget : view.findChildren<QWidget *>())
            if (widget->isVisibleTo(&view) && widget->hasHeightForWidth())
                QVERIFY2(
                    widget->height() >= widget->heightForWidth(widget->width()), widget->metaObject()->className());
        if (QAbstractButton *open = visibleButton(&view, u"Open Accessibility settings"_s)) {
            QTest::mouseClick(open, Qt::LeftButton);
            QCOMPARE(m_opened, QStringList { accessibilityPage });
        }
    }

    // What Homebrew and the update checker say changes what a card and its sheet offer; the
    // sheet has the whole sentence and what a user is about to trust.
    void showsHealthAndUpdates_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("card"); // each text starts so
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<QString>("health"); // the sheet's whole sentence starts so
        QTest::addColumn<QStringList>("trust"); // among "Before you install"
        QTest::addColumn<QString>("press"); // and the brew call it makes
        const QString deprecated = u"Homebrew no longer recommends Hidden Bar: nobody maintains it"_s;
        const QString unavailable = u"Homebrew no longer offers TomatoBar: it does not pass Apple’s Gatekeeper "
                                    u"check, since 1 September 2026."_s;
        const QString installed = u"Installed"_s, uninstall = u"Uninstall"_s, help = u"Need help opening it?"_s;
        QTest::newRow("disabled: no Install")
            << u"tomatobar"_s << false << QStringList { u"Unavailable"_s, unavailable }
            << QStringList { u"Unavailable"_s } << unavailable << QStringList { u"Checksum verified by Homebrew"_s }
            << QString();
        QTest::newRow("disabled, installed: still usable")
            << u"tomatobar"_s << true << QStringList { installed, uninstall, help }
            << QStringList { installed, uninstall } << QString()
            << QStringList { GatekeeperVerdict::title(), GatekeeperVerdict::text({}) } << QString();
        QTest::newRow("deprecated: Install, warned")
            << u"hiddenbar"_s << false << QStringList { u"Install"_s, deprecated } << QStringList { u"Install"_s }
            << deprecated << QStringList { u"1.9 (from Homebrew)"_s } << QString();
        QTest::newRow("outdated") << u"shottr"_s << true
                                  << QStringList { u"Update to 2.1.0"_s, u"Open"_s, u"Installed: 0.9.1"_s }
                                  << QStringList { u"Update to 2.1.0"_s, u"Open"_s, uninstall } << QString()
                                  << QStringList { u"Not verified: this app's download changes with every release"_s }
                                  << u"Update Shottr to 2.1.0|upgrade --cask shottr"_s;
        QTest::newRow("updates itself") << u"maccy"_s << true
                                        << QStringList { installed, uninstall, u"Updates itself"_s, help }
                                        << QStringList { installed, uninstall } << QString()
                                        << QStringList { u"Updates itself"_s } << QString();
    }
    void showsHealthAndUpdates()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, card);
        QFETCH(QString, press);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const CatalogApp app = catalogApp(id);
        QFETCH(bool, installed);
        if (installed)
            sandbox.makeBundle(sandbox.userApplications(), app.name, *app.bundleID);
        OperationCoordinator coordinator;
        auto *services = new EngineServices(sandbox.environment(), { app }, &coordinator);
        QVERIFY(EngineTestKit::finish(readFacts(&sandbox, services)));
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator, services);
        engine.refreshInstalledStatus({ app });
        AppCard view(app, &engine);
        AppDetailView detail(app, &engine);
        view.resize(300, view.heightForWidth(300));
        view.show();
        const QStringList texts = shown(view);
        QCOMPARE(texts.size(), card.size());
        for (qsizetype i = 0; i < texts.size(); ++i)
            QVERIFY2(texts.at(i).startsWith(card.at(i)), qPrintable(texts.at(i)));
        QTEST(shown(detail), "sheet");
        // The sheet says in full what the card may cut short.
        QFETCH(QString, health);
        const QLabel *sentence = detail.findChild<QLabel *>(u"healthLabel"_s);
        QCOMPARE(sentence->isVisibleTo(&detail), !health.isEmpty());
        QVERIFY(sentence->text().startsWith(health) && texts.contains(sentence->text()) == !health.isEmpty());
        // A warning keeps to one line on the card, and is read out whole.
        if (const QWidget *note = view.findChild<QWidget *>(u"note"_s);
            note && note->isVisibleTo(&view) && !health.isEmpty()) {
            auto *warning = note->findChild<ElidedLabel *>();
            QCOMPARE(warning->heightForWidth(warning->width()), warning->fontMetrics().lineSpacing());
            QCOMPARE(QAccessible::queryAccessibleInterface(warning)->text(QAccessible::Description), sentence->text());
        }
        QFETCH(QStringList, trust);
        for (const QString &text : trust)
            QTRY_VERIFY2(visibleTexts(detail.findChild<BeforeInstallSection *>()).contains(text), qPrintable(text));
        if (!press.isEmpty()) {
            QTest::mouseClick(visibleButton(&view, press.section(u'|', 0, 0)), Qt::LeftButton);
            QTRY_VERIFY(sandbox.brewCalls().contains(press.section(u'|', 1)));
        }
    }

    // Cancel stops the install running for the card; the card then shows what is on disk.
    void cancelStopsAnInstall()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        const ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", QByteArray("2"));
        InstallEngine engine(sandbox.environment());
        AppCard card(catalogApp(u"maccy"_s), &engine);
        QTest::mouseClick(visibleButton(&card, u"Install"_s), Qt::LeftButton);
        QTRY_VERIFY(sandbox.brewCalls().contains(u"install --cask maccy"_s));
        QTest::mouseClick(visibleButton(&card, u"Cancel installing Maccy"_s), Qt::LeftButton);
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
        QVERIFY(visibleButton(&card, u"Install Maccy"_s));
    }

    void guidanceMatchesThePermissionsNeeded_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("pages");
        const QString download
            = u"macOS may ask “Are you sure you want to open this app from the internet?” — click Open."_s;
        // The shared sentences, in the card's order, each with the button to its pane.
        const auto section = [](PermissionGuidance::Permission permission, const QString &name) {
            return QStringList { PermissionGuidance::prompt(permission, name),
                PermissionGuidance::where(permission, name), PermissionGuidance::openPane(permission) };
        };
        QTest::newRow("accessibility") << u"rectangle"_s
                                       << QStringList { download }
                + section(PermissionGuidance::Permission::Accessibility, u"Rectangle"_s)
                + QStringList { u"Didn’t open?"_s, u"Launch Rectangle"_s }
                                       << QStringList { accessibilityPage };
        QTest::newRow("screen recording")
            << u"shottr"_s
            << QStringList { download } + section(PermissionGuidance::Permission::ScreenRecording, u"Shottr"_s)
                + QStringList { u"Didn’t open?"_s, u"Launch Shottr"_s }
            << QStringList { u"x-apple.systempreferences:com.apple.preference.security?Privacy_ScreenCapture"_s };
        QTest::newRow("neither") << u"maccy"_s << QStringList { download, u"Didn’t open?"_s, u"Launch Maccy"_s }
                                 << QStringList();
    }
    // Folded until asked for, kept open across a removal's states, and its Launch opens the bundle.
    void guidanceMatchesThePermissionsNeeded()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, pages);
        Sandbox sandbox;
        const CatalogApp app = catalogApp(id);
        const QString launched = sandbox.root() + u"/launched"_s;
        sandbox.makeBundle(sandbox.userApplications(), app.name, *app.bundleID, PlistFile::Format::Binary,
            "#!/bin/sh\ntouch '" + launched.toUtf8() + "'\n");
        EngineTestKit::TestEngine engine(sandbox.environment());
        AppCard card(app, &engine);
        card.show();
        engine.refreshInstalledStatus({ app });
        QVERIFY(!visibleTexts(&card).contains(u"Didn’t open?"_s));
        QTest::mouseClick(card.findChild<QPushButton *>(u"guidanceDisclosure"_s), Qt::LeftButton);
        QTRY_COMPARE(card.findChild<RevealContainer *>()->progress(), 1.0);
        engine.setState(id, InstallState::uninstalling(u"Removing…"_s));
        QVERIFY(!visibleTexts(&card).contains(u"Didn’t open?"_s));
        engine.setState(id, InstallState::installed());
        const QStringList texts = visibleTexts(&card);
        QCOMPARE(texts.mid(texts.indexOf(u"Need help opening it?"_s) + 1), lines);
        for (const QString &text : lines)
            if (text.startsWith(u"Open System Settings"_s))
                QTest::mouseClick(visibleButton(&card, text), Qt::LeftButton);
        QCOMPARE(m_opened, pages);
        QTest::mouseClick(visibleButton(&card, u"Launch "_s + app.name), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(launched));
    }

    void summaryAndSheetShowTheEntry_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<QStringList>("boxes"); // the sheet's permission boxes
        QTest::newRow("free, with an icon, no permission")
            << u"maccy"_s
            << QStringList { u"Free"_s, u"Maccy"_s, u"A clipboard that remembers what you copied."_s,
                   u"Replaces Paste - $30/yr"_s }
            << QStringList();
        QTest::newRow("freemium, screen recording, letter tile")
            << u"shottr"_s
            << QStringList { u"Freemium"_s, u"Shottr"_s, u"Screenshot, annotate, and pull text out of any image."_s,
                   u"The free version is all you need. Pro extras are optional."_s, u"Replaces CleanShot X - $29"_s }
            << QStringList { PermissionGuidance::required(
                   PermissionGuidance::Permission::ScreenRecording, u"Shottr"_s) };
    }
    void summaryAndSheetShowTheEntry()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, summary);
        QFETCH(QStringList, boxes);
        Sandbox sandbox;
        EngineTestKit::TestEngine engine(sandbox.environment());
        QWidget window;
        auto *card = new AppCard(catalogApp(id), &engine, &window);
        window.show();
        QCOMPARE(visibleTexts(card->summaryButton()), summary);
        QCOMPARE(card->findChild<AppIconTile *>()->hasImage(), id != u"shottr"_s); // not in the bundle
        // A press on the name, not only on the button's bare background, opens the sheet.
        QTest::mouseClick(card->summaryButton()->findChild<QLabel *>(u"nameLabel"_s), Qt::LeftButton);
        QTRY_VERIFY(card->showDetail());
        AppDetailView *sheet = card->detailView();
        QCOMPARE(sheet->parentWidget(), &window);
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QStringList shownBoxes;
        for (QLabel *label : sheet->findChildren<QLabel *>(u"permissionText"_s))
            shownBoxes.append(label->text());
        QCOMPARE(shownBoxes, boxes);
        const QList<ScreenshotView *> shots = sheet->findChildren<ScreenshotView *>();
        QCOMPARE(shots.isEmpty(), id == u"shottr"_s); // none of its screenshots is in the bundle
        for (qsizetype i = 0; i < shots.size(); ++i)
            QCOMPARE(QAccessible::queryAccessibleInterface(shots.at(i))->text(QAccessible::Name),
                u"%1 screenshot %2 of %3"_s.arg(card->app().name).arg(i + 1).arg(shots.size()));
        QTRY_VERIFY(sheet->isVisible());
        QTest::mouseClick(visibleButton(sheet, u"Done"_s), Qt::LeftButton);
        QTRY_VERIFY(!card->showDetail());
    }

    // After a failure: the way forward that fits it ("Try again" only where trying again can help),
    // Dismiss, back to what the disk holds, and the log lines that explain it; the sheet, all but the log.
    void actionsFollowTheFailure_data()
    {
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<bool>("inTheWay"); // brew named the app in the way, which is there
        QTest::addColumn<QStringList>("forward"); // the card's and the sheet's, before Dismiss
        const QStringList retry { u"Try again"_s }, none;
        QTest::newRow("download") << FailureKind::Download << false << retry;
        QTest::newRow("network") << FailureKind::Network << false << retry;
        QTest::newRow("password") << FailureKind::Password << false << retry;
        QTest::newRow("unknown") << FailureKind::Unknown << false << retry;
        QTest::newRow("checksum") << FailureKind::Checksum << false << none;
        QTest::newRow("macOS version") << FailureKind::MacOSVersion << false << none;
        QTest::newRow("already there") << FailureKind::AlreadyInstalled << true << QStringList { u"Show in Finder"_s };
        QTest::newRow("already there, unnamed") << FailureKind::AlreadyInstalled << false << none;
        QTest::newRow("Homebrew's old copy") << FailureKind::HomebrewLeftover << false << none;
        QTest::newRow("installer package") << FailureKind::InstallerPackage << false << none;
        QTest::newRow("permission") << FailureKind::Permission << false << none;
        QTest::newRow("old list of casks")
            << FailureKind::StaleCaskList << false << QStringList { u"Refresh Homebrew"_s };
        QTest::newRow("unavailable") << FailureKind::Unavailable << false << QStringList { u"Unavailable"_s };
    }
    void actionsFollowTheFailure()
    {
        QFETCH(FailureKind, kind);
        QFETCH(bool, inTheWay);
        QFETCH(QStringList, forward);
        const CatalogApp app = catalogApp(u"maccy"_s);
        Sandbox sandbox;
        const QString other = sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, u"com.example.other"_s);
        const InstallState failed = InstallState::failed(u"It went wrong."_s, kind, 42, inTheWay ? other : QString());

        // The card and the sheet show what the content says; Dismiss leaves neither.
        EngineTestKit::TestEngine engine(sandbox.environment());
        AppCard view(app, &engine);
        AppDetailView sheet(app, &engine);
        QWidget *card = view.actionArea();
        engine.setState(app.id, failed);
        view.show(); // laid out, so its texts read in order
        const QStringList message { u"It went wrong."_s }, after { u"Dismiss"_s, u"Show in log"_s };
        QCOMPARE(visibleTexts(card),
            kind == FailureKind::Unavailable ? forward + message + after : message + forward + after);
        QCOMPARE(shown(sheet), forward + QStringList { u"Dismiss"_s });
        if (QAbstractButton *finder = visibleButton(card, u"Show in Finder"_s)) {
            QTest::mouseClick(finder, Qt::LeftButton);
            QCOMPARE(m_opened, QStringList { QUrl::fromLocalFile(sandbox.userApplications()).toString() });
        }
        if (QAbstractButton *refresh = visibleButton(card, u"Refresh Homebrew's list of apps for Maccy"_s)) {
            QTest::mouseClick(refresh, Qt::LeftButton); // with no brew on this Mac, it offers the setup
            QTRY_COMPARE(engine.state(app.id), std::optional(InstallState::needsHomebrew()));
            return;
        }
        QTest::mouseClick(
            visibleButton(kind == FailureKind::Checksum ? sheet.actionArea() : card, u"Dismiss"_s), Qt::LeftButton);
        QCOMPARE(engine.state(app.id), std::optional(InstallState::notInstalled()));
        QCOMPARE(visibleTexts(card), QStringList { u"Install"_s });
        QCOMPARE(shown(sheet), QStringList { u"Install"_s });
    }

    void showInLogOpensTheDrawerAtTheFailure()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        UserDefaults defaults(sandbox.root() + u"/defaults.ini"_s);
        defaults.setBool(SettingsKeys::hasSeenWelcome(), true);
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

    void letterIsTheFirstGrapheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letter");
        QTest::newRow("combining accent stays with its letter") << u"E\u0301tude"_s << u"E\u0301"_s;
        QTest::newRow("flag is two code points") << u"\U0001F1EB\U0001F1F7 Paris"_s << u"\U0001F1EB\U0001F1F7"_s;
        QTest::newRow("joined emoji") << u"\U0001F469\u200D\U0001F4BB app"_s << u"\U0001F469\u200D\U0001F4BB"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void letterIsTheFirstGrapheme()
    {
        QFETCH(QString, name);
        QFETCH(QString, letter);
        CatalogApp app = catalogApp(u"shottr"_s);
        app.name = name;
        QCOMPARE(AppCardContent::make(app, std::nullopt, {}).letter, letter);
    }

    // Every operation started from a card or its sheet, run for real against the fake brew. From the
    // keyboard, focus stays in the card's action area on whatever replaced the button pressed, so the
    // progress and the outcome are heard.
    void operationsFromTheCardAndItsSheet()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"rectangle"_s, u"Rectangle"_s, u"com.knollsoft.Rectangle"_s));
        Environment environment = sandbox.environment();
        environment.tools.tccutil = u"/bin/false"_s; // the Accessibility entry cannot be cleared
        InstallEngine engine(environment);
        AppCard card(catalogApp(u"rectangle"_s), &engine);
        AppDetailView sheet(card.app(), &engine);
        card.show();
        card.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&card));
        struct Seen
        {
            QStringList card, sheet;
            QString focus;
        };
        QList<Seen> seen; // at each change
        connect(&engine, &InstallEngine::stateChanged, this, [&] {
            seen.append({ shown(card), shown(sheet), focusName() });
        });
        const auto space = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); };
        {
            ScopedEnvironmentVariable failing("FAKE_BREW_EXIT", QByteArray("1"));
            visibleButton(&card, u"Install"_s)->setFocus(Qt::TabFocusReason);
            space();
            QTRY_COMPARE(engine.state(u"rectangle"_s)->kind, InstallState::Kind::Failed);
        }
        QVERIFY(seen.size() > 1);
        for (const Seen &each : seen.mid(0, seen.size() - 1)) // the progress line, in focus, and Cancel
            QVERIFY(each.card.size() == 2 && each.sheet == each.card && each.focus == each.card.constFirst());
        QCOMPARE(focusName(), u"Try installing Rectangle again"_s);
        space();
        QTRY_COMPARE(engine.state(u"rectangle"_s), std::optional(InstallState::installed()));
        QCOMPARE(focusName(), u"Uninstall Rectangle"_s);
        // Removal asks first: the review, answered from the keyboard.
        space();
        RemovalReview *review = nullptr;
        QTRY_VERIFY((review = card.findChild<RemovalReview *>()) && review->isVisible());
        for (QPushButton *button : review->findChildren<QPushButton *>())
            if (button->accessibleName() == u"Remove app and data"_s)
                QTest::keyClick(button, Qt::Key_Space);
        QTRY_COMPARE(engine.state(u"rectangle"_s), std::optional(InstallState::notInstalled()));
        QCOMPARE(focusName(), u"Install Rectangle"_s);
        QCOMPARE(shown(card), (QStringList { u"Install"_s, note, u"Open Accessibility settings"_s }));
        // The removal can be taken back from the card.
        const QAbstractButton *undo = visibleButton(&card, u"Undo"_s);
        QVERIFY(undo && undo->accessibleName() == u"Undo removing Rectangle"_s);
        QTest::mouseClick(visibleButton(&sheet, u"Install"_s), Qt::LeftButton);
        QTRY_COMPARE(engine.state(u"rectangle"_s), std::optional(InstallState::installed()));
        QCOMPARE(sandbox.brewCalls(),
            (QStringList { u"install --cask rectangle"_s, u"install --cask rectangle"_s,
                u"uninstall --cask rectangle"_s, u"install --cask rectangle"_s }));
    }

    // The version an update kept is offered on the card and the sheet, with its size; Space on the
    // card's button puts it back, and then neither offers it.
    // The card, the sheet and the Updates view offer the version an update kept, with its size;
    // pressed, it puts that version back and every offer goes.
    void revertsToTheKeptVersion()
    {
        Sandbox sandbox;
        Environment env = sandbox.environment();
        env.dataDir = sandbox.root() + u"/data"_s;
        const CatalogApp app = catalogApp(u"parabolic"_s);
        const QString older = sandbox.root() + u"/older/Parabolic.app/Contents/Info.plist"_s;
        QVERIFY(PlistFile::write(older,
            { { u"CFBundleIdentifier"_s, *app.bundleID }, { u"CFBundleShortVersionString"_s, u"1.2.0"_s } },
            PlistFile::Format::Xml));
        const QString installed = sandbox.makeBundle(sandbox.userApplications(), app.name, *app.bundleID);
        QVERIFY(KeptVersions::keep(env, app.id, sandbox.root() + u"/older/Parabolic.app"_s));
        InstallEngine engine(env);
        engine.refreshInstalledStatus({ app });
        AppCard card(app, &engine);
        AppDetailView sheet(app, &engine);
        UpdateChoices choices(&engine, nullptr);
        card.show();
        const auto revert = [](const QWidget *view) { return visibleButton(view, u"Revert Parabolic to 1.2.0"_s); };
        QVERIFY(revert(&card) && revert(&sheet) && revert(&choices));
        const QString size = QLocale().formattedDataSize(KeptVersions::kept(env, app.id)->bytes);
        QCOMPARE(revert(&sheet)->toolTip(), u"The earlier version takes %1."_s.arg(size));
        QVERIFY(visibleTexts(&choices).contains(u"Parabolic 1.2.0 is kept (%1)"_s.arg(size)));
        QCOMPARE(revert(&card)->text(), u"Revert to 1.2.0"_s);
        QTest::keyClick(revert(&card), Qt::Key_Space);
        QTRY_VERIFY(!KeptVersions::kept(env, app.id) && engine.state(app.id) == InstallState::installed());
        QTRY_VERIFY(!revert(&card) && !revert(&sheet) && !revert(&choices));
        QCOMPARE(EngineTestKit::fileBytes(installed + u"/Contents/Info.plist"_s), EngineTestKit::fileBytes(older));
    }

    // The setup runs once, from one card; the other card waiting for Homebrew shows it running.
    void homebrewSetupFromACard()
    {
        Sandbox sandbox; // no brew yet
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        EngineTestKit::TestEngine engine(sandbox.environment());
        Gate gate;
        engine.setSetupRunnerOverride(
            [&sandbox, &gate](QString, InstallEngine::LineHandler) { return fakeSetup(&sandbox, &gate); });
        AppCard maccy(catalogApp(u"maccy"_s), &engine), ice(catalogApp(u"ice"_s), &engine);
        AppDetailView iceSheet(ice.app(), &engine);
        for (AppCard *card : { &maccy, &ice }) {
            QTest::mouseClick(visibleButton(card, u"Install"_s), Qt::LeftButton);
            QTRY_VERIFY(visibleButton(card, setUp));
        }
        QCOMPARE(visibleButton(&ice, setUp)->toolTip(),
            u"Installs Homebrew with your password, then continues installing Ice."_s);
        QTest::mouseClick(visibleButton(&maccy, setUp), Qt::LeftButton);
        QTRY_VERIFY(engine.setupInProgress());
        QCOMPARE(shown(maccy), QStringList { u"Setting up Homebrew (one-time)."_s });
        QCOMPARE(shown(ice), QStringList { u"Setting up Homebrew…"_s });
        QCOMPARE(shown(iceSheet), QStringList { u"Setting up Homebrew…"_s });
        Q_EMIT gate.opened();
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
        QVERIFY(visibleButton(&ice, setUp));
    }

    // The card's wrapping texts remember what they measured, yet answer as the plain widgets do,
    // also once their text, font or margins change.
    void textsRememberTheirSizesFaithfully()
    {
        WrappedLabel remembered(u"A clipboard that remembers what you copied."_s);
        QLabel plain(remembered.text());
        plain.setWordWrap(true);
        const auto answerAlike = [&] {
            for (const int width : { 40, 120, 300, 1000, 120 })
                QCOMPARE(remembered.heightForWidth(width), plain.heightForWidth(width));
        };
        const auto both = [&](const std::function<void(QLabel &)> &change) {
            change(remembered);
            change(plain);
        };
        answerAlike();
        both([](QLabel &label) {
            label.setText(u"Hide and arrange your menu bar icons, even the ones behind the notch."_s);
        });
        answerAlike();
        QFont large = plain.font();
        large.setPixelSize(24);
        both([&large](QLabel &label) { label.setFont(large); });
        answerAlike();
        both([](QLabel &label) { label.setContentsMargins(10, 4, 30, 4); });
        answerAlike();
        both([](QLabel &label) { label.setIndent(40); });
        answerAlike();

        ReplacesLine replaces(Replacement { u"Paste"_s, u"$30/yr"_s }, 12);
        const QSize small = replaces.sizeHint();
        QCOMPARE(replaces.heightForWidth(small.width()), small.height());
        QCOMPARE(replaces.heightForWidth(small.width() - 2), 2 * small.height());
        replaces.setFont(large);
        QVERIFY2(replaces.sizeHint().width() > small.width() * 3 / 2,
            qPrintable(QString::number(replaces.sizeHint().width())));
        QCOMPARE(replaces.heightForWidth(small.width()), 2 * replaces.sizeHint().height());
    }
};

QTEST_MAIN(TestAppCard)
#include "TestAppCard.moc"
