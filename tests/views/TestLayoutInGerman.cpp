#include "LayoutAudit.h"
#include "translations/PseudoTranslator.h"
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
#include <QGridLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

using namespace Qt::StringLiterals;
using EngineTestKit::catalogApp;
using EngineTestKit::TestEngine;

namespace {

// The narrowest a card gets: one column of the grid in the smallest window.
constexpr int narrowestCard = 300;

enum class Language { German, Pseudo };

QtMessageHandler s_previousHandler = nullptr;

// The offscreen platform says so at every fixed size a test gives a window.
void quietAboutSizeHints(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(u"propagateSizeHints"_s))
        s_previousHandler(type, context, message);
}

} // namespace
Q_DECLARE_METATYPE(Language)

// German runs about a third longer than English: the card, the detail sheet, the settings and the
// review sheets in German, and in the pseudo-translation that is longer still, with nothing cut
// off and nothing on top of anything else.
class TestLayoutInGerman : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<TestEngine> m_engine;

    void speak(Language language)
    {
        Translations::install(qApp, QLocale(QLocale::German, QLocale::Germany), language == Language::Pseudo);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    static void addLanguages(const char *scene)
    {
        QTest::newRow(qPrintable(QString::fromLatin1(scene) + u" (German)"_s)) << Language::German;
        QTest::newRow(qPrintable(QString::fromLatin1(scene) + u" (pseudo)"_s)) << Language::Pseudo;
    }

    static void audit(QWidget *widget)
    {
        QApplication::processEvents();
        const QStringList problems = LayoutAudit::problems(widget);
        QVERIFY2(problems.isEmpty(), qPrintable(u"\n"_s + problems.join(u'\n')));
    }

    void auditCard(const QString &id, const InstallState &state)
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *card = new AppCard(catalogApp(id), m_engine.get(), &window);
        layout->addWidget(card);
        m_engine->setState(id, state);
        window.setFixedWidth(narrowestCard);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setFixedHeight(card->heightForWidth(narrowestCard));
        QApplication::processEvents();
        audit(&window);
    }

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

    // The German texts are really there: a test in English would prove nothing.
    void germanIsInstalled()
    {
        speak(Language::German);
        SettingsView settings(m_engine.get());
        QStringList english;
        for (const QPushButton *button : settings.findChildren<QPushButton *>())
            if (!button->text().isEmpty())
                english.append(button->text());
        cleanup();
        init();
        SettingsView inEnglish(m_engine.get());
        QStringList source;
        for (const QPushButton *button : inEnglish.findChildren<QPushButton *>())
            if (!button->text().isEmpty())
                source.append(button->text());
        QVERIFY(!english.isEmpty());
        QVERIFY2(english != source, qPrintable(english.join(u", "_s)));
    }

    void cards_data()
    {
        QTest::addColumn<Language>("language");
        addLanguages("cards");
    }
    void cards()
    {
        QFETCH(Language, language);
        speak(language);
        DownloadProgress progress { 10'000'000, 46'700'000, 1'200'000, 30 };
        const QList<InstallState> states { InstallState::notInstalled(), InstallState::installed(),
            InstallState::downloading(QString(), progress), InstallState::needsHomebrew(),
            InstallState::failed(QCoreApplication::translate("TestLayoutInGerman",
                "Maccy didn’t install. The download was interrupted: check your connection and try again.")) };
        // A short name, a permission note, a long name, a direct download.
        for (const QString &id : { u"maccy"_s, u"shottr"_s, u"raspberry-pi-imager"_s, u"parabolic"_s }) {
            for (const InstallState &state : states) {
                auditCard(id, state);
                if (QTest::currentTestFailed())
                    qWarning("in the card of %s, state %d", qPrintable(id), int(state.kind));
                QVERIFY(!QTest::currentTestFailed());
            }
        }
    }

    // The window at its smallest: the sidebar, the search row, the cards, the log drawer's bar.
    void mainWindow_data()
    {
        QTest::addColumn<Language>("language");
        addLanguages("main window");
    }
    void mainWindow()
    {
        QFETCH(Language, language);
        speak(language);
        UserDefaults defaults(m_sandbox->root() + u"/window.ini"_s);
        defaults.setBool(SettingsKeys::hasSeenWelcome(), true);
        RootView::Options options;
        options.environment = m_sandbox->environment();
        options.defaults = &defaults;
        RootView view(std::move(options));
        view.resize(MainWindow::minimumContentSize());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        audit(&view);
    }

    void detailSheet_data()
    {
        QTest::addColumn<Language>("language");
        addLanguages("detail sheet");
    }
    void detailSheet()
    {
        QFETCH(Language, language);
        speak(language);
        for (const QString &id : { u"shottr"_s, u"rectangle"_s, u"parabolic"_s }) {
            AppDetailView sheet(catalogApp(id), m_engine.get());
            sheet.show();
            QVERIFY(QTest::qWaitForWindowExposed(&sheet));
            audit(&sheet);
            QVERIFY(!QTest::currentTestFailed());
        }
    }

    void settings_data()
    {
        QTest::addColumn<Language>("language");
        addLanguages("settings");
    }
    void settings()
    {
        QFETCH(Language, language);
        speak(language);
        SettingsView view(m_engine.get());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        audit(&view);
    }

    void removalReview_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("ids");
        for (const auto &[scene, ids] : { std::pair { "review of one app", QStringList { u"maccy"_s } },
                 std::pair { "review of every app", QStringList { u"maccy"_s, u"shottr"_s, u"iina"_s } } }) {
            QTest::newRow(qPrintable(QString::fromLatin1(scene) + u" (German)"_s)) << Language::German << ids;
            QTest::newRow(qPrintable(QString::fromLatin1(scene) + u" (pseudo)"_s)) << Language::Pseudo << ids;
        }
    }
    void removalReview()
    {
        QFETCH(Language, language);
        QFETCH(QStringList, ids);
        speak(language);
        QList<CatalogApp> apps;
        for (const QString &id : ids) {
            const CatalogApp app = catalogApp(id);
            m_sandbox->makeBundle(m_sandbox->userApplications(), app.name, app.bundleID.value_or(id));
            apps.append(app);
        }
        QWidget window;
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RemovalReview *review = RemovalReview::review(m_engine.get(), apps, &window);
        QSignalSpy measured(review, &RemovalReview::measured);
        QVERIFY(measured.wait());
        QTRY_VERIFY(review->isVisible());
        audit(review);
        review->reject();
    }

    // The audit itself finds each kind of fault it looks for.
    void auditFindsCutOffAndOverlap_data()
    {
        QTest::addColumn<std::function<void(QWidget *)>>("build");
        QTest::addColumn<QString>("problem");
        QTest::newRow("fits") << std::function<void(QWidget *)>([](QWidget *root) {
            auto *layout = new QVBoxLayout(root);
            layout->addWidget(new QPushButton(u"Installieren"_s));
            layout->addWidget(new QLabel(u"Kurz"_s));
        }) << QString();
        QTest::newRow("button too narrow") << std::function<void(QWidget *)>([](QWidget *root) {
            auto *layout = new QVBoxLayout(root);
            auto *button = new QPushButton(u"Deinstallieren und Restdaten entfernen"_s);
            button->setFixedWidth(60);
            layout->addWidget(button);
        }) << u"needs"_s;
        QTest::newRow("label too narrow") << std::function<void(QWidget *)>([](QWidget *root) {
            auto *layout = new QVBoxLayout(root);
            auto *label = new QLabel(u"Systemeinstellungen › Datenschutz & Sicherheit"_s);
            label->setFixedWidth(50);
            layout->addWidget(label);
        }) << u"px wide"_s;
        QTest::newRow("wrapped label too low") << std::function<void(QWidget *)>([](QWidget *root) {
            auto *layout = new QVBoxLayout(root);
            auto *label = new QLabel(QString(u"Ein langer Satz, der umbrechen muss. "_s).repeated(6));
            label->setWordWrap(true);
            label->setFixedSize(120, 20);
            layout->addWidget(label);
        }) << u"px high"_s;
        QTest::newRow("overlap") << std::function<void(QWidget *)>([](QWidget *root) {
            auto *layout = new QGridLayout(root);
            layout->addWidget(new QLabel(u"Eins"_s), 0, 0);
            layout->addWidget(new QLabel(u"Zwei"_s), 0, 0);
        }) << u"overlaps"_s;
    }
    void auditFindsCutOffAndOverlap()
    {
        QFETCH(std::function<void(QWidget *)>, build);
        QFETCH(QString, problem);
        QWidget root;
        build(&root);
        root.show();
        QVERIFY(QTest::qWaitForWindowExposed(&root));
        const QStringList problems = LayoutAudit::problems(&root);
        if (problem.isEmpty())
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        else
            QVERIFY2(!problems.filter(problem).isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(TestLayoutInGerman)
#include "TestLayoutInGerman.moc"
