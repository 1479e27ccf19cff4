// Renders the main window in its typical states, and the sheets it opens, to PNG files at twice
// the size as on a Retina screen, for people to look at, in the light appearance and again in the
// dark one ("-dark" names): `make screenshots` writes them to <build>/screenshots.
// `--language de` (or fr, ja, zh_CN, en, pseudo) renders in that language into a folder of its own,
// light appearance only; `make screenshots` renders every shipped language and the pseudo-translation.
// docs/screenshot.png is main-handselected.png. The Mac it shows is a sandbox with the tests' fake
// brew, which says what Homebrew's published facts say of a few apps: Shottr has an update, Maccy
// updates itself, TomatoBar is no longer offered.
#include "translations/Translations.h"

#include "app/MainWindow.h"
#include "catalog/Catalog.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/OperationCoordinator.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateChecker.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "views/card/EngineActions.h"
#include "views/detail/AppDetailView.h"
#include "views/settings/SettingsView.h"
#include "views/style/BrandStyle.h"
#include "views/window/AppGrid.h"
#include "views/window/AppSelection.h"
#include "views/window/LogDrawer.h"
#include "views/window/LogListView.h"
#include "views/window/WelcomeView.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;
using Category = CatalogApp::Category;

namespace {

struct Scene
{
    QString name;
    bool allApps = false;
    std::optional<Category> category;
    QString search;
    bool drawer = false;
    QStringList selected; // ticked for a batch install
    bool updates = false;
    bool failures = false; // three failed installs, with the keyboard on the first one's retry
};

// The sandbox Mac: the fake brew, with Maccy, Rectangle and Shottr installed through it.
bool prepareMac(const Sandbox &mac)
{
    const QString fixtures = QStringLiteral(ORVANDO_SOURCE_DIR "/tests/cli/fixtures/");
    qputenv("FAKE_BREW_INFO_JSON", (fixtures + u"brew-info.json"_s).toUtf8());
    qputenv("FAKE_BREW_OUTDATED_JSON", (fixtures + u"brew-outdated.json"_s).toUtf8());
    if (!mac.installFakeBrew())
        return false;
    for (const CatalogApp &app : Catalog::builtIn())
        mac.registerCask(app.install.caskToken(), app.name, app.bundleID.value_or(QString()));
    for (const QString &token : { u"maccy"_s, u"rectangle"_s, u"shottr"_s }) {
        QProcess brew;
        brew.start(mac.brewPath(), { u"install"_s, u"--cask"_s, token });
        if (!brew.waitForFinished() || brew.exitCode() != 0)
            return false;
    }
    return true;
}

// Installs id with the fake brew told by variable how to fail, and waits for the failure.
bool failInstall(InstallEngine *engine, const QString &id, const char *variable, const QByteArray &value)
{
    const CatalogApp app = *std::find_if(
        Catalog::builtIn().begin(), Catalog::builtIn().end(), [&id](const CatalogApp &each) { return each.id == id; });
    qputenv(variable, value);
    EngineActions::install(engine, app);
    const bool failed = QTest::qWaitFor([engine, &id] {
        const std::optional<InstallState> state = engine->state(id);
        return state && state->kind == InstallState::Kind::Failed;
    });
    qunsetenv(variable);
    return failed;
}

bool showFailures(QWidget *window, RootView *root, const Sandbox &mac)
{
    const QString inTheWay = mac.makeBundle(mac.userApplications(), u"AltTab"_s, u"com.example.alttab"_s);
    InstallEngine *engine = root->engine();
    if (!failInstall(engine, u"ice"_s, "FAKE_BREW_FAIL_LINES", "curl: (6) Could not resolve host: github.com")
        || !failInstall(engine, u"loop"_s, "FAKE_BREW_FAIL_LINES",
            "Warning: Cask 'loop' is unavailable: No Cask with this name exists.\nError: No casks found for loop.")
        || !failInstall(engine, u"alt-tab"_s, "FAKE_BREW_FAIL_LINES",
            "Error: alt-tab: It seems there is already an App at '" + inTheWay.toUtf8() + "'."))
        return false;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    for (QPushButton *button : root->grid()->card(u"ice"_s)->findChildren<QPushButton *>())
        if (button->accessibleName() == u"Try installing Ice again"_s)
            button->setFocus(Qt::TabFocusReason);
    // As a press of Tab leaves it, so the ring shows.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    return true;
}

bool save(QWidget *widget, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = folder + u'/' + name + u".png"_s;
    const bool saved = widget->grab().save(path);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

bool renderMainWindow(const Sandbox &mac, OperationCoordinator *coordinator, EngineServices *services,
    UserDefaults *defaults, const Scene &scene, const QString &folder, const QString &suffix)
{
    RootView::Options options;
    options.environment = mac.environment();
    options.environment.cacheDir = mac.root() + u"/cache"_s;
    options.coordinator = coordinator;
    options.services = services;
    options.defaults = defaults;
    MainWindow window(std::move(options));
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.menuBar()->hide(); // on the Mac it lives at the top of the screen, not in the window
    window.resize(MainWindow::defaultSize());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    RootView *root = window.rootView();
    scene.allApps ? root->chooseAllApps() : root->chooseHandselected();
    if (scene.category)
        root->chooseCategory(*scene.category);
    root->setSearchText(scene.search);
    if (scene.updates)
        root->chooseUpdates();
    if (!QTest::qWaitFor([root] { return root->grid()->isComplete(); }))
        return false;
    for (const CatalogApp &app : Catalog::builtIn())
        if (scene.selected.contains(app.id))
            root->selection()->setSelected(app, true);
    if (scene.failures && !showFailures(&window, root, mac))
        return false;
    if (scene.drawer) {
        for (const QString &line :
            { u"==> Downloading https://github.com/p0deje/Maccy/releases/download/2.1.0/Maccy.app.zip"_s,
                u"==> Installing Cask maccy"_s, u"==> Moving App 'Maccy.app' to '/Applications/Maccy.app'"_s,
                u"🍺  maccy was successfully installed!"_s, u"==> Installing Cask rectangle"_s,
                u"==> Moving App 'Rectangle.app' to '/Applications/Rectangle.app'"_s,
                u"🍺  rectangle was successfully installed!"_s })
            root->engine()->appendLog(line, u"maccy"_s);
        root->logDrawer()->setOpen(true);
        QTest::qWait(400); // the drawer slides open
    }
    bool saved = save(root, folder, scene.name + suffix);
    // Each failed card whole, as the window may show only part of it.
    for (const QString &id : scene.failures ? QStringList { u"ice"_s, u"loop"_s, u"alt-tab"_s } : QStringList())
        saved &= save(root->grid()->card(id), folder, u"card-failed-"_s + id + suffix);
    return saved;
}

bool renderAll(const Sandbox &mac, OperationCoordinator *coordinator, EngineServices *services, UserDefaults *defaults,
    const QString &folder, const QString &suffix)
{
    Environment env = mac.environment();
    env.cacheDir = mac.root() + u"/cache"_s;
    bool ok = true;
    const QList<Scene> scenes { { u"main-handselected"_s, false, {}, {}, false, {} },
        { u"main-all-apps"_s, true, {}, {}, false, {} }, { u"main-category"_s, true, Category::Media, {}, false, {} },
        { u"main-no-match"_s, false, {}, u"photoshop"_s, false, {} },
        { u"main-drawer-open"_s, false, {}, {}, true, {} },
        { u"main-selection"_s, false, {}, {}, false, { u"ice"_s, u"iina"_s, u"stats"_s } },
        { u"main-menu-bar"_s, true, Category::Menubar, {}, false, {} },
        { u"main-updates"_s, false, {}, {}, false, {}, true },
        { u"main-failures"_s, false, {}, {}, false, {}, false, true } };
    for (const Scene &scene : scenes)
        ok &= renderMainWindow(mac, coordinator, services, defaults, scene, folder, suffix);

    InstallEngine engine(env, nullptr, coordinator, services);
    engine.refreshInstalledStatus(Catalog::builtIn());
    for (const QString &id : { u"maccy"_s, u"shottr"_s, u"tomatobar"_s }) {
        const CatalogApp app = *std::find_if(Catalog::builtIn().begin(), Catalog::builtIn().end(),
            [&id](const CatalogApp &each) { return each.id == id; });
        AppDetailView detail(app.translated(), &engine);
        detail.show();
        ok &= save(&detail, folder, u"detail-"_s + id + suffix);
    }
    SettingsView settings(&engine);
    settings.show();
    ok &= save(&settings, folder, u"settings"_s + suffix);
    WelcomeView welcome(defaults);
    welcome.show();
    ok &= save(&welcome, folder, u"welcome"_s + suffix);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    if (!qEnvironmentVariableIsSet("ORVANDO_RESOURCES"))
        qputenv("ORVANDO_RESOURCES", ORVANDO_SOURCE_DIR "/resources");
    qputenv("ORVANDO_APPEARANCE", "light");
    QApplication app(argc, argv);
    BrandStyle::install();
    QStringList arguments = QApplication::arguments().mid(1);
    QString language;
    if (const qsizetype at = arguments.indexOf(u"--language"_s); at >= 0 && at + 1 < arguments.size()) {
        language = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    const bool pseudo = language == u"pseudo"_s;
    Translations::install(&app,
        language.isEmpty() || pseudo ? QLocale(QLocale::English, QLocale::UnitedStates)
                                     : Translations::choose({ language }),
        pseudo);
    QString folder = !arguments.isEmpty() ? arguments.first() : QStringLiteral(ORVANDO_BINARY_DIR "/screenshots");
    if (!language.isEmpty())
        folder += u'/' + language;
    if (!QDir().mkpath(folder))
        return 1;
    const Sandbox mac;
    if (!prepareMac(mac))
        return 1;
    Environment env = mac.environment();
    env.cacheDir = mac.root() + u"/cache"_s;
    OperationCoordinator coordinator;
    auto *services = new EngineServices(env, Catalog::builtIn(), &coordinator);
    services->facts()->start();
    if (!QTest::qWaitFor([services] { return !services->facts()->isRefreshing(); }, 30000))
        return 1;
    InstallEngine engine(env, nullptr, &coordinator, services); // its refresh starts the check for updates
    engine.refreshInstalledStatus(Catalog::builtIn());
    if (!QTest::qWaitFor([services] { return services->updates()->count() > 0; }, 30000))
        return 1;
    UserDefaults defaults(mac.root() + u"/defaults.ini"_s);
    defaults.setBool(SettingsKeys::hasSeenWelcome(), true);

    bool ok = renderAll(mac, &coordinator, services, &defaults, folder, QString());
    if (!language.isEmpty())
        return ok ? 0 : 1;
    qputenv("ORVANDO_APPEARANCE", "dark");
    BrandStyle::refreshPalette();
    ok &= renderAll(mac, &coordinator, services, &defaults, folder, u"-dark"_s);
    return ok ? 0 : 1;
}
