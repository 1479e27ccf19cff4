#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QCoroSignal>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString settingUp = u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s;
const QString ready = u"🍺  Homebrew is ready. From now on installs are silent."_s;
const QString notFound = u"error: Homebrew setup finished but brew was not found afterward."_s;
const QString setupFailed = u"Homebrew setup didn't finish. You can try again — it asks for your Mac password once, "
                            u"then all installs are silent."_s;

} // namespace

// Stands in for the privileged setup: says a line, waits to be let through (when closed), plays
// what the real one leaves behind, and ends with a chosen code.
class FakeSetup : public QObject
{
    Q_OBJECT

public:
    enum class Ending { Code, Throws };
    FakeSetup(const Sandbox &sandbox, int code, bool installsBrew, bool open = true, Ending ending = Ending::Code)
        : m_sandbox(sandbox)
        , m_code(code)
        , m_installsBrew(installsBrew)
        , m_open(open)
        , m_ending(ending)
    {
    }

    InstallEngine::BootstrapRunner runner()
    {
        return [this](QString appID, InstallEngine::LineHandler sink) { return run(this, appID, sink); };
    }
    void open()
    {
        m_open = true;
        Q_EMIT opened();
    }
    int calls = 0;

Q_SIGNALS:
    void opened();

private:
    static QCoro::Task<int> run(FakeSetup *self, QString appID, InstallEngine::LineHandler sink)
    {
        ++self->calls;
        sink(u"==> Installing Homebrew for "_s + appID);
        if (!self->m_open)
            co_await qCoro(self, &FakeSetup::opened);
        if (self->m_installsBrew) {
            self->m_sandbox.installFakeBrew();
            self->m_sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s);
        }
        if (self->m_ending == Ending::Throws)
            throw std::runtime_error("setup runner broke");
        co_return self->m_code;
    }

    const Sandbox &m_sandbox;
    int m_code;
    bool m_installsBrew;
    bool m_open;
    Ending m_ending;
};

class TestBootstrap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsAsTheRunnerSays_data();
    void endsAsTheRunnerSays();
    void runsOneSetupAtATime();
    void installsAfterTheSetup_data();
    void installsAfterTheSetup();
};

void TestBootstrap::endsAsTheRunnerSays_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("installsBrew");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("lastLine");

    QTest::newRow("exit 1: brew is not looked for again")
        << 1 << true << false << false << u"error: Homebrew setup did not complete (code 1)."_s;
    QTest::newRow("exit 0 without brew") << 0 << false << false << false << notFound;
    QTest::newRow("exit 0 with brew") << 0 << true << false << true << ready;
    QTest::newRow("runner throws") << 0 << true << true << false
                                   << u"error: Homebrew setup did not complete (code -1)."_s;
}

void TestBootstrap::endsAsTheRunnerSays()
{
    QFETCH(int, code);
    QFETCH(bool, installsBrew);
    QFETCH(bool, throws);
    QFETCH(bool, result);
    QFETCH(QString, lastLine);

    Sandbox sandbox;
    FakeSetup setup(sandbox, code, installsBrew, true, throws ? FakeSetup::Ending::Throws : FakeSetup::Ending::Code);
    InstallEngine engine(sandbox.environment());
    engine.setBootstrapRunnerOverride(setup.runner());
    QSignalSpy progress(&engine, &InstallEngine::bootstrapInProgressChanged);

    std::optional<bool> outcome;
    engine.bootstrapHomebrew(u"maccy"_s).then([&outcome](bool ready) { outcome = ready; });
    QTRY_VERIFY(outcome.has_value());
    QCOMPARE(*outcome, result);
    QCOMPARE(logTexts(engine), (QStringList { settingUp, u"==> Installing Homebrew for maccy"_s, lastLine }));
    QCOMPARE(engine.brewAvailable(), result);
    if (result)
        QCOMPARE(engine.brewBinary(), std::optional(sandbox.brewPath()));
    QVERIFY(!engine.bootstrapInProgress());
    QCOMPARE(progress.size(), 2);
    QCOMPARE(progress.at(0).first().toBool(), true);
    QCOMPARE(progress.at(1).first().toBool(), false);
}

void TestBootstrap::runsOneSetupAtATime()
{
    // Two windows: a second request, from either, waits for the one setup and then uses its brew.
    Sandbox sandbox;
    FakeSetup setup(sandbox, 0, true, false);
    OperationCoordinator coordinator;
    InstallEngine first(sandbox.environment(), nullptr, &coordinator);
    InstallEngine second(sandbox.environment(), nullptr, &coordinator);
    first.setBootstrapRunnerOverride(setup.runner());
    second.setBootstrapRunnerOverride(setup.runner());

    std::optional<bool> running;
    first.bootstrapHomebrew(u"maccy"_s).then([&running](bool ready) { running = ready; });
    QVERIFY(first.bootstrapInProgress() && second.bootstrapInProgress());
    std::optional<bool> again;
    first.bootstrapHomebrew(u"maccy"_s).then([&again](bool ready) { again = ready; });
    CatalogApp ice = maccy();
    ice.id = u"ice"_s;
    InstallEngine::startDetached(second.setUpHomebrewThenInstall(ice));
    QCOMPARE(second.state(u"ice"_s), std::optional(InstallState::installing(u"Setting up Homebrew (one-time)."_s)));
    QCOMPARE(first.state(u"ice"_s), second.state(u"ice"_s));
    QCOMPARE(logTexts(second), QStringList { u"==> Waiting for the Homebrew setup that is already running."_s });
    QVERIFY(!running && !again);

    setup.open();
    QTRY_COMPARE_WITH_TIMEOUT(second.state(u"ice"_s), std::optional(InstallState::installed()), 30000);
    QCOMPARE(running, std::optional(true));
    QCOMPARE(again, std::optional(true));
    QVERIFY(!first.bootstrapInProgress() && !second.bootstrapInProgress());
    QCOMPARE(setup.calls, 1);
    QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
}

void TestBootstrap::installsAfterTheSetup_data()
{
    QTest::addColumn<bool>("installsBrew");
    QTest::newRow("setup succeeds: the install starts over") << true;
    QTest::newRow("setup fails: the app fails") << false;
}

void TestBootstrap::installsAfterTheSetup()
{
    QFETCH(bool, installsBrew);
    Sandbox sandbox;
    FakeSetup setup(sandbox, 0, installsBrew);
    InstallEngine engine(sandbox.environment());
    engine.setBootstrapRunnerOverride(setup.runner());
    QList<InstallState> seen;
    connect(
        &engine, &InstallEngine::stateChanged, this, [&](const QString &appID) { seen.append(*engine.state(appID)); });

    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(maccy()));

    const InstallState outcome = installsBrew ? InstallState::installed() : InstallState::failed(setupFailed);
    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(outcome), 30000);
    QCOMPARE(seen.first(), InstallState::installing(u"Setting up Homebrew (one-time)."_s));
    const QStringList texts = logTexts(engine);
    QCOMPARE(texts.mid(0, 3),
        (QStringList { settingUp, u"==> Installing Homebrew for maccy"_s, installsBrew ? ready : notFound }));
    QVERIFY(!engine.bootstrapInProgress());
    if (!installsBrew) {
        QCOMPARE(seen.size(), 2);
        QCOMPARE(texts.size(), 3);
        QVERIFY(sandbox.brewCalls().isEmpty());
        return;
    }
    QCOMPARE(seen.at(1), InstallState::installing(u"Getting Maccy ready."_s));
    QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    QCOMPARE(texts.last(), u"🍺  maccy was successfully installed!"_s);
}

QTEST_GUILESS_MAIN(TestBootstrap)
#include "TestBootstrap.moc"
