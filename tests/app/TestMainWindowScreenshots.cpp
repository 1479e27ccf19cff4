#include "app/MainWindow.h"
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "views/AppGrid.h"
#include "views/LogDrawer.h"
#include "views/LogListView.h"
#include "views/RootView.h"
#include "views/WelcomeView.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Category = CatalogApp::Category;

Q_DECLARE_METATYPE(std::optional<CatalogApp::Category>)

// Renders the main window in its typical states to PNG files under <build>/screenshots, at twice
// the size as on a Retina screen, for people to look at. Checks that each picture is the whole
// window at its default size.
class TestMainWindowScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void rendersMainWindow_data();
    void rendersMainWindow();

private:
    QTemporaryDir m_dir;
    QString m_output;
};

void TestMainWindowScreenshots::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_output = QStringLiteral(ORVANDO_BINARY_DIR) + u"/screenshots"_s;
    QVERIFY(QDir().mkpath(m_output));
}

void TestMainWindowScreenshots::rendersMainWindow_data()
{
    QTest::addColumn<bool>("allApps");
    QTest::addColumn<std::optional<Category>>("category");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("drawer");
    QTest::newRow("main-handselected") << false << std::optional<Category>() << QString() << false;
    QTest::newRow("main-all-apps") << true << std::optional<Category>() << QString() << false;
    QTest::newRow("main-category") << true << std::optional<Category>(Category::Media) << QString() << false;
    QTest::newRow("main-no-match") << false << std::optional<Category>() << u"photoshop"_s << false;
    QTest::newRow("main-drawer-open") << false << std::optional<Category>() << QString() << true;
}

void TestMainWindowScreenshots::rendersMainWindow()
{
    QFETCH(bool, allApps);
    QFETCH(std::optional<Category>, category);
    QFETCH(QString, search);
    QFETCH(bool, drawer);

    Sandbox sandbox;
    // Two apps already on this Mac, so their cards show the installed row.
    for (const QString &id : { u"maccy"_s, u"rectangle"_s }) {
        for (const CatalogApp &app : Catalog::v1()) {
            if (app.id == id)
                sandbox.makeBundle(sandbox.userApplications(), app.name, *app.bundleID);
        }
    }
    UserDefaults defaults(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".ini"_s));
    defaults.setBool(WelcomeView::hasSeenWelcomeKey(), true);
    RootView::Options options;
    options.environment = sandbox.environment();
    options.defaults = &defaults;
    MainWindow window(std::move(options));
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.menuBar()->hide(); // on the Mac it lives at the top of the screen, not in the window
    window.resize(MainWindow::defaultSize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    RootView *root = window.rootView();
    allApps ? root->chooseAllApps() : root->chooseHandselected();
    if (category)
        root->chooseCategory(*category);
    root->setSearchText(search);
    QTRY_VERIFY(root->grid()->isComplete());
    if (drawer) {
        const QStringList lines { u"==> Installing Maccy with Homebrew"_s,
            u"==> Downloading https://github.com/p0deje/Maccy/releases/download/2.1.0/Maccy.app.zip"_s,
            u"######################################################################## 100.0%"_s,
            u"==> Installing Cask maccy"_s, u"==> Moving App 'Maccy.app' to '/Applications/Maccy.app'"_s,
            u"\U0001F37A  maccy was successfully installed!"_s, u"==> Installing Rectangle with Homebrew"_s,
            u"==> Downloading https://github.com/rxhanson/Rectangle/releases/download/v0.80/Rectangle0.80.dmg"_s,
            u"==> Installing Cask rectangle"_s, u"==> Moving App 'Rectangle.app' to '/Applications/Rectangle.app'"_s,
            u"\U0001F37A  rectangle was successfully installed!"_s };
        for (const QString &line : lines)
            root->engine()->appendLog(line, u"maccy"_s);
        root->logDrawer()->setOpen(true);
        QTRY_COMPARE(root->logDrawer()->logArea()->height(), LogDrawer::areaHeight);
        QScrollBar *bar = root->logDrawer()->list()->verticalScrollBar();
        QTRY_COMPARE(bar->value(), bar->maximum());
    }
    QCoreApplication::processEvents();

    const QImage image = root->grab().toImage();
    QCOMPARE(image.size(), MainWindow::defaultSize() * root->devicePixelRatioF());
    const QString path = m_output + u'/' + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s;
    QVERIFY(image.save(path));
    qInfo("wrote %s", qPrintable(path));
}

int main(int argc, char **argv)
{
    // Twice the pixels, like a Retina screen.
    qputenv("QT_SCALE_FACTOR", "2");
    if (!qEnvironmentVariableIsSet("ORVANDO_RESOURCES"))
        qputenv("ORVANDO_RESOURCES", QByteArray(ORVANDO_SOURCE_DIR) + "/resources");
    QApplication app(argc, argv);
    TestMainWindowScreenshots test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMainWindowScreenshots.moc"
