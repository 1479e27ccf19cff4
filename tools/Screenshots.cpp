// Renders the main window in its typical states, and the sheets it opens, to PNG files at twice
// the size as on a Retina screen, for people to look at, in the light appearance and again in the
// dark one ("-dark" names): `make screenshots` writes them to <build>/screenshots.
// docs/screenshot.png is main-handselected.png.
#include "app/MainWindow.h"
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "views/AppDetailView.h"
#include "views/AppGrid.h"
#include "views/AppSelection.h"
#include "views/BrandStyle.h"
#include "views/LogDrawer.h"
#include "views/LogListView.h"
#include "views/SettingsView.h"
#include "views/WelcomeView.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
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
};

// A Mac of its own in a temporary folder, with Maccy and Rectangle already installed.
Environment sandboxMac(const QString &root)
{
    Environment env;
    env.home = root + u"/home"_s;
    env.applicationFolders = { root + u"/Applications"_s, env.userApplications() };
    env.tempDir = root + u"/tmp"_s;
    env.tools = Environment::systemTools();
    for (const QString &id : { u"maccy"_s, u"rectangle"_s }) {
        const CatalogApp app = *std::find_if(
            Catalog::v1().begin(), Catalog::v1().end(), [&id](const CatalogApp &each) { return each.id == id; });
        const QString contents = env.userApplications() + u'/' + app.name + u".app/Contents"_s;
        QDir().mkpath(contents);
        QFile plist(contents + u"/Info.plist"_s);
        if (plist.open(QIODevice::WriteOnly))
            plist.write("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key><string>"
                + app.bundleID->toUtf8() + "</string></dict></plist>");
    }
    return env;
}

bool save(QWidget *widget, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = folder + u'/' + name + u".png"_s;
    const bool saved = widget->grab().save(path);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

bool renderMainWindow(
    const Environment &env, UserDefaults *defaults, const Scene &scene, const QString &folder, const QString &suffix)
{
    RootView::Options options;
    options.environment = env;
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
    if (!QTest::qWaitFor([root] { return root->grid()->isComplete(); }))
        return false;
    for (const CatalogApp &app : Catalog::v1())
        if (scene.selected.contains(app.id))
            root->selection()->setSelected(app, true);
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
    return save(root, folder, scene.name + suffix);
}

bool renderAll(const Environment &env, UserDefaults *defaults, const QString &folder, const QString &suffix)
{
    bool ok = true;
    const QList<Scene> scenes { { u"main-handselected"_s, false, {}, {}, false, {} },
        { u"main-all-apps"_s, true, {}, {}, false, {} }, { u"main-category"_s, true, Category::Media, {}, false, {} },
        { u"main-no-match"_s, false, {}, u"photoshop"_s, false, {} },
        { u"main-drawer-open"_s, false, {}, {}, true, {} },
        { u"main-selection"_s, false, {}, {}, false, { u"ice"_s, u"iina"_s, u"stats"_s } } };
    for (const Scene &scene : scenes)
        ok &= renderMainWindow(env, defaults, scene, folder, suffix);

    InstallEngine engine(env);
    engine.refreshInstalledStatus(Catalog::v1());
    AppDetailView detail(Catalog::v1().first(), &engine);
    detail.show();
    ok &= save(&detail, folder, u"detail-maccy"_s + suffix);
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
    const QString folder
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ORVANDO_BINARY_DIR "/screenshots");
    QTemporaryDir root;
    if (!root.isValid() || !QDir().mkpath(folder))
        return 1;
    const Environment env = sandboxMac(root.path());
    UserDefaults defaults(root.filePath(u"defaults.ini"_s));
    defaults.setBool(WelcomeView::hasSeenWelcomeKey(), true);

    bool ok = renderAll(env, &defaults, folder, QString());
    qputenv("ORVANDO_APPEARANCE", "dark");
    BrandStyle::refreshPalette();
    ok &= renderAll(env, &defaults, folder, u"-dark"_s);
    return ok ? 0 : 1;
}
