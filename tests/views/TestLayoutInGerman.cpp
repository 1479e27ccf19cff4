#include "LayoutAudit.h"
#include "translations/Translations.h"

#include "app/MainWindow.h"
#include "engine/DownloadProgress.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "views/card/AppCard.h"
#include "views/detail/AppDetailView.h"
#include "views/removal/RemovalReview.h"
#include "views/settings/SettingsView.h"
#include "views/style/BrandStyle.h"
#include "views/window/RootView.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

using namespace Qt::StringLiterals;
using EngineTestKit::TestEngine;

namespace {

// The entry as the window shows it, in the language in use.
CatalogApp catalogApp(const QString &id)
{
    return EngineTestKit::catalogApp(id).translated();
}

// The narrowest a card gets: one column of the grid in the smallest window.
constexpr int narrowestCard = 300;

QtMessageHandler s_previousHandler = nullptr;

// The offscreen platform says so at every fixed size a test gives a window.
void quietAboutSizeHints(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(u"propagateSizeHints"_s))
        s_previousHandler(type, context, message);
}

// Lays out one scene in the sandbox: the windows to audit, owned by the caller.
using Scene = std::function<QList<QWidget *>(TestEngine *, Sandbox *, UserDefaults *)>;

QList<QWidget *> cards(TestEngine *engine, Sandbox *, UserDefaults *)
{
    QList<QWidget *> windows;
    const DownloadProgress progress { 10'000'000, 46'700'000, 1'200'000, 30 };
    const QList<InstallState> states { InstallState::notInstalled(), InstallState::installed(),
        InstallState::downloading(QString(), progress), InstallState::needsHomebrew(),
        InstallState::failed(
            QCoreApplication::translate("NetworkStatus", "You're offline. Connect to the internet and try again.")) };
    // A short name, a permission note, a long name, a direct download: a card in each state each.
    for (const QString &id : { u"maccy"_s, u"shottr"_s, u"raspberry-pi-imager"_s, u"parabolic"_s }) {
        for (const InstallState &state : states) {
            auto *window = new QWidget;
            auto *layout = new QVBoxLayout(window);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(new AppCard(catalogApp(id), engine, window));
            engine->setState(id, state);
            window->setFixedWidth(narrowestCard);
            windows.append(window);
        }
    }
    return windows;
}

QList<QWidget *> mainWindow(TestEngine *, Sandbox *sandbox, UserDefaults *defaults)
{
    RootView::Options options;
    options.environment = sandbox->environment();
    options.defaults = defaults;
    auto *view = new RootView(std::move(options));
    view->resize(MainWindow::minimumContentSize());
    return { view };
}

template <typename Sheet> Scene sheet(const QString &id = {})
{
    return [id](TestEngine *engine, Sandbox *, UserDefaults *) -> QList<QWidget *> {
        if constexpr (std::is_same_v<Sheet, AppDetailView>)
            return { new AppDetailView(catalogApp(id), engine) };
        else
            return { new Sheet(engine) };
    };
}

QList<QWidget *> removalReview(TestEngine *engine, Sandbox *sandbox, const QStringList &ids)
{
    QList<CatalogApp> apps;
    for (const QString &id : ids) {
        apps.append(catalogApp(id));
        sandbox->makeBundle(sandbox->userApplications(), apps.last().name, apps.last().bundleID.value_or(id));
    }
    auto *window = new QWidget;
    window->resize(900, 600);
    window->show();
    RemovalReview *review = RemovalReview::review(engine, apps, window);
    QSignalSpy measured(review, &RemovalReview::measured);
    if (!measured.wait())
        qWarning("the sizes were not measured");
    return { review, window };
}

} // namespace

// German runs about a third longer than English: the window, the card, the detail sheet, the
// settings and the review sheets in German, and in the pseudo-translation that is longer still,
// with nothing cut off and nothing on top of anything else.
class TestLayoutInGerman : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<TestEngine> m_engine;
    std::unique_ptr<UserDefaults> m_defaults;

private Q_SLOTS:
    void initTestCase()
    {
        s_previousHandler = qInstallMessageHandler(quietAboutSizeHints);
        BrandStyle::install();
    }
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        qputenv("XDG_DATA_HOME", (m_sandbox->home() + u"/.local/share"_s).toUtf8());
        UserDefaults::setStandardLocation(m_sandbox->root() + u"/defaults.ini"_s);
        m_defaults = std::make_unique<UserDefaults>(m_sandbox->root() + u"/window.ini"_s);
        m_defaults->setBool(SettingsKeys::hasSeenWelcome(), true);
        m_engine = std::make_unique<TestEngine>(m_sandbox->environment());
    }
    void cleanup()
    {
        m_engine.reset();
        UserDefaults::setStandardLocation({});
        m_sandbox.reset();
        Translations::install(qApp, QLocale(QLocale::English, QLocale::UnitedStates));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void nothingIsCutOff_data()
    {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<bool>("pseudo");
        const auto review = [](const QStringList &ids) -> Scene {
            return [ids](TestEngine *engine, Sandbox *sandbox, UserDefaults *) {
                return removalReview(engine, sandbox, ids);
            };
        };
        const QList<std::pair<const char *, Scene>> scenes { { "main window", mainWindow }, { "cards", cards },
            { "detail sheet of Shottr", sheet<AppDetailView>(u"shottr"_s) },
            { "detail sheet of Parabolic", sheet<AppDetailView>(u"parabolic"_s) },
            { "detail sheet of an installed app",
                [](TestEngine *engine, Sandbox *sandbox, UserDefaults *defaults) {
                    engine->setState(u"raspberry-pi-imager"_s, InstallState::installed());
                    return sheet<AppDetailView>(u"raspberry-pi-imager"_s)(engine, sandbox, defaults);
                } },
            { "settings", sheet<SettingsView>() }, { "review of one app", review({ u"maccy"_s }) },
            { "review of every app", review({ u"maccy"_s, u"shottr"_s, u"iina"_s }) } };
        for (const auto &[name, scene] : scenes) {
            QTest::newRow(qPrintable(QString::fromLatin1(name) + u" (German)"_s)) << scene << false;
            QTest::newRow(qPrintable(QString::fromLatin1(name) + u" (pseudo)"_s)) << scene << true;
        }
    }
    void nothingIsCutOff()
    {
        QFETCH(Scene, scene);
        QFETCH(bool, pseudo);
        Translations::install(qApp, QLocale(QLocale::German, QLocale::Germany), pseudo);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // The German texts are really there: an audit in English would prove nothing.
        if (!pseudo)
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
        const QList<QWidget *> windows = scene(m_engine.get(), m_sandbox.get(), m_defaults.get());
        for (QWidget *window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            // As tall as its width asks for, as the grid makes a card.
            if (window->hasHeightForWidth())
                window->setFixedHeight(window->heightForWidth(window->width()));
            QApplication::processEvents();
            const QStringList problems = LayoutAudit::problems(window);
            QVERIFY2(problems.isEmpty(), qPrintable(u"\n"_s + problems.join(u'\n')));
        }
        qDeleteAll(windows); // a sheet before the window it belongs to
    }
};

QTEST_MAIN(TestLayoutInGerman)
#include "TestLayoutInGerman.moc"
