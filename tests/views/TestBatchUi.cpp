// The window's side of a batch install: the cards' check boxes, the sidebar's footer that runs the
// batch against the fake brew, and the confirmation "Install from file…" shows first.
#include "CardTestEngine.h"
#include "WidgetTexts.h"

#include "engine/BatchInstaller.h"
#include "platform/UserDefaults.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"
#include "telemetry/Analytics.h"
#include "views/AppCard.h"
#include "views/AppSelectBox.h"
#include "views/AppSelection.h"
#include "views/AppSetTransfer.h"
#include "views/BatchFooter.h"
#include "views/BrandStyle.h"
#include "views/ImportConfirmation.h"
#include "views/RootView.h"
#include "views/WelcomeView.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(InstallState)

class TestBatchUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sandbox> m_sandbox;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<Analytics> m_analytics;

    std::unique_ptr<RootView> shownView()
    {
        RootView::Options options;
        options.environment = m_sandbox->environment();
        options.analytics = m_analytics.get();
        options.defaults = m_defaults.get();
        auto view = std::make_unique<RootView>(std::move(options));
        view->resize(1000, 680);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qWarning("the window was not shown");
        return view;
    }
    static AppSelectBox *box(RootView &view, const QString &id)
    {
        return qobject_cast<AppCard *>(view.grid()->card(id))->selectBox();
    }

private Q_SLOTS:
    void init()
    {
        BrandStyle::install();
        m_analytics.reset();
        m_defaults.reset();
        m_sandbox = std::make_unique<Sandbox>();
        m_defaults = std::make_unique<UserDefaults>(m_sandbox->root() + u"/defaults.ini"_s);
        m_defaults->setBool(WelcomeView::hasSeenWelcomeKey(), true);
        m_analytics = std::make_unique<Analytics>(Analytics::Configuration(), m_defaults.get());
        QVERIFY(m_sandbox->installFakeBrew());
        QVERIFY(m_sandbox->registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        QVERIFY(m_sandbox->registerCask(u"rectangle"_s, u"Rectangle"_s, u"com.knollsoft.Rectangle"_s));
    }

    // The box comes right after the card's summary in Tab order; it is there only for an app that can
    // be installed, waits while one runs, and an app that becomes installed drops out of the set.
    void checkBoxFollowsTheAppsState_data()
    {
        QTest::addColumn<InstallState>("state");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("failed") << InstallState::failed(u"No."_s) << true << true;
        QTest::newRow("installing") << InstallState::installing(u"Downloading"_s) << true << false;
        QTest::newRow("installed") << InstallState::installed() << false << true;
    }
    void checkBoxFollowsTheAppsState()
    {
        QFETCH(InstallState, state);
        QFETCH(bool, shown);
        CardTestEngine engine(m_sandbox->environment());
        AppSelection selection(&engine);
        AppCard card(catalogApp(u"maccy"_s), &engine);
        card.setSelection(&selection);
        card.show();
        AppSelectBox *box = card.selectBox();
        QCOMPARE(card.summaryButton()->nextInFocusChain(), box);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), u"Select Maccy"_s);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(selection.count(), 1);
        engine.setState(u"maccy"_s, state);
        QCOMPARE(box->isVisibleTo(&card), shown);
        QTEST(box->isEnabled(), "enabled");
        QCOMPARE(selection.contains(u"maccy"_s), shown);
    }

    // Ticked in any order, installed in catalog order; the footer shows the progress with Cancel,
    // then the summary, with "Try failed again" for what failed, which installs only that.
    void footerInstallsTheSelectionAsOneBatch_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all succeed") << QByteArray() << u"2 installed"_s;
        QTest::newRow("one fails") << QByteArray("rectangle")
                                   << u"1 installed, 1 failed: Rectangle — The download of Rectangle failed. The "
                                      u"app's publisher may have moved it; try again later."_s;
    }
    void footerInstallsTheSelectionAsOneBatch()
    {
        QFETCH(QByteArray, failing);
        auto view = shownView();
        BatchFooter *footer = view->batchFooter();
        QVERIFY(!footer->isVisible());
        QTest::mouseClick(view->selectAllButton(), Qt::LeftButton);
        QCOMPARE(view->selectAllButton()->text(), u"Clear selection"_s);
        QVERIFY(visibleButton(footer, u"Install 16 apps"_s));
        QTest::mouseClick(view->selectAllButton(), Qt::LeftButton);
        QVERIFY(!footer->isVisible());
        box(*view, u"rectangle"_s)->click();
        box(*view, u"maccy"_s)->click();
        QStringList progress;
        connect(view->batch(), &BatchInstaller::progressChanged, this, [&] {
            if (visibleButton(footer, u"Cancel"_s))
                progress.append(footer->progressText());
        });
        const ScopedEnvironmentVariable fail("FAKE_BREW_FAIL_TOKENS", failing);
        QTest::mouseClick(visibleButton(footer, u"Install 2 apps"_s), Qt::LeftButton);
        QCOMPARE(view->selection()->count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!footer->summaryText().isEmpty(), 30000);
        QCOMPARE(
            progress, (QStringList { u"Installing 1 of 2: Maccy"_s, u"Installing 2 of 2: Rectangle"_s, QString() }));
        QTEST(footer->summaryText(), "summary");
        QCOMPARE(m_sandbox->brewCalls(), (QStringList { u"install --cask maccy"_s, u"install --cask rectangle"_s }));
        QVERIFY(!box(*view, u"maccy"_s)->isVisible());
        QAbstractButton *retry = visibleButton(footer, u"Try failed again"_s);
        QCOMPARE(bool(retry), !failing.isEmpty());
        if (retry) {
            retry->click();
            QTRY_VERIFY_WITH_TIMEOUT(!view->batch()->isRunning(), 30000);
            QCOMPARE(m_sandbox->brewCalls().mid(2), QStringList { u"install --cask rectangle"_s });
        }
        QTest::mouseClick(visibleButton(footer, u"Done"_s), Qt::LeftButton);
        QVERIFY(!footer->isVisible());
    }

    // The file names an installed app, an unknown token and an app to install: the sheet lists them
    // all and installs only the one, and only when confirmed.
    void installFromFileAsksFirst_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void installFromFileAsksFirst()
    {
        QFETCH(bool, confirm);
        m_sandbox->makeBundle(m_sandbox->userApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s);
        const QString file = m_sandbox->root() + u"/Brewfile"_s;
        QVERIFY(Sandbox::writeFile(file, "cask \"maccy\"\nfoo-bar\nrectangle\n"));
        auto view = shownView();
        ImportConfirmation *sheet = AppSetTransfer::importFrom(view.get(), file);
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(visibleTexts(sheet).mid(1),
            (QStringList { u"“Brewfile” names these apps:"_s, u"Maccy — already installed"_s, u"Rectangle"_s,
                u"Not recognised: foo-bar"_s, u"Cancel"_s, u"Install 1 app"_s }));
        QTest::mouseClick(confirm ? sheet->installButton() : sheet->cancelButton(), Qt::LeftButton);
        QCOMPARE(view->batch()->isRunning(), confirm);
        QTRY_VERIFY_WITH_TIMEOUT(!view->batch()->isRunning(), 30000);
        QCOMPARE(m_sandbox->brewCalls(), confirm ? QStringList { u"install --cask rectangle"_s } : QStringList());
    }
};

QTEST_MAIN(TestBatchUi)
#include "TestBatchUi.moc"
