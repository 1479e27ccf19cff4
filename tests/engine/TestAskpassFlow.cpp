#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Casks that run a step with sudo: brew gets the password through the askpass helper beside the
// program, and a cancelled prompt ends the operation in failed.
class TestAskpassFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installAsksForThePassword_data();
    void installAsksForThePassword();
    void uninstallAsksForThePassword_data();
    void uninstallAsksForThePassword();

private:
    enum class Helper { Answers, WrongAnswer, Cancels, Missing };
    static void addHelperRows();
    static bool prepare(const Sandbox &sandbox, Helper helper);
    static QString askedFor(const Sandbox &sandbox);
};

static CatalogApp shutterEncoder()
{
    for (const CatalogApp &app : Catalog::v1()) {
        if (app.id == u"shutter-encoder"_s)
            return app;
    }
    return {};
}

void TestAskpassFlow::addHelperRows()
{
    QTest::addColumn<int>("helper");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("logged");
    QTest::newRow("password given") << int(Helper::Answers) << true << u"with sudo"_s;
    QTest::newRow("wrong password") << int(Helper::WrongAnswer) << false << u"incorrect password"_s;
    QTest::newRow("prompt cancelled") << int(Helper::Cancels) << false << u"no password was provided"_s;
    QTest::newRow("no helper") << int(Helper::Missing) << false << u"a terminal is required"_s;
}

bool TestAskpassFlow::prepare(const Sandbox &sandbox, Helper helper)
{
    if (!sandbox.installFakeBrew() || !sandbox.registerCask(u"shutter-encoder"_s, u"Shutter Encoder"_s, {}))
        return false;
    QFile conf(sandbox.brewPrefix() + u"/fake-brew.conf"_s);
    if (!conf.open(QIODevice::Append) || conf.write("FAKE_BREW_SUDO='s3cret p\xc3\xa4ss'\n") < 0)
        return false;
    conf.close();
    if (helper == Helper::Missing)
        return true;
    // Stands in for the dialog (tested on its own): records who it asked for, then answers.
    QByteArray script = "#!/bin/sh\nprintf '%s' \"$ORVANDO_ASKPASS_FOR\" > \"$(dirname \"$0\")/asked-for\"\n";
    if (helper == Helper::Answers)
        script += "printf 's3cret p\xc3\xa4ss\\n'\n";
    else if (helper == Helper::WrongAnswer)
        script += "printf 'guess\\n'\n";
    else
        script += "exit 1\n";
    return Sandbox::writeFile(sandbox.helperDir() + u"/orvando-askpass"_s, script, true);
}

QString TestAskpassFlow::askedFor(const Sandbox &sandbox)
{
    QFile file(sandbox.helperDir() + u"/asked-for"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

static bool logHas(const InstallEngine &engine, const QString &text)
{
    const QList<LogLine> lines = engine.log()->lines();
    return std::any_of(lines.begin(), lines.end(), [&](const LogLine &line) { return line.text.contains(text); });
}

void TestAskpassFlow::installAsksForThePassword_data()
{
    addHelperRows();
}

void TestAskpassFlow::installAsksForThePassword()
{
    QFETCH(int, helper);
    QFETCH(bool, succeeds);
    QFETCH(QString, logged);
    Sandbox sandbox;
    QVERIFY(prepare(sandbox, Helper(helper)));
    InstallEngine engine(sandbox.environment());
    const CatalogApp app = shutterEncoder();
    QCOMPARE(app.id, u"shutter-encoder"_s);

    InstallEngine::startDetached(engine.install(app));
    const InstallState expected
        = succeeds ? InstallState::installed() : InstallState::failed(u"Install did not finish. You can try again."_s);
    QTRY_COMPARE_WITH_TIMEOUT(engine.state(app.id), std::optional(expected), 15000);
    QVERIFY2(logHas(engine, logged), qPrintable(logged));
    QCOMPARE(askedFor(sandbox), Helper(helper) == Helper::Missing ? QString() : u"Shutter Encoder"_s);
    QCOMPARE(QFile::exists(sandbox.brewPrefix() + u"/Caskroom/shutter-encoder"_s), succeeds);
}

void TestAskpassFlow::uninstallAsksForThePassword_data()
{
    addHelperRows();
}

void TestAskpassFlow::uninstallAsksForThePassword()
{
    QFETCH(int, helper);
    QFETCH(bool, succeeds);
    QFETCH(QString, logged);
    Sandbox sandbox;
    QVERIFY(sandbox.installFakeBrew());
    QVERIFY(sandbox.registerCask(u"shutter-encoder"_s, u"Shutter Encoder"_s, {}));
    {
        // Put the cask on the sandbox Mac first, without any password step.
        InstallEngine installer(sandbox.environment());
        InstallEngine::startDetached(installer.install(shutterEncoder()));
        QTRY_COMPARE_WITH_TIMEOUT(
            installer.state(u"shutter-encoder"_s), std::optional(InstallState::installed()), 15000);
    }
    QVERIFY(prepare(sandbox, Helper(helper)));
    InstallEngine engine(sandbox.environment());
    InstallEngine::startDetached(engine.uninstall(shutterEncoder()));
    QTRY_VERIFY_WITH_TIMEOUT(engine.state(u"shutter-encoder"_s)
            && engine.state(u"shutter-encoder"_s)->kind != InstallState::Kind::Uninstalling,
        15000);
    const InstallState state = *engine.state(u"shutter-encoder"_s);
    QCOMPARE(state.kind, succeeds ? InstallState::Kind::NotInstalled : InstallState::Kind::Failed);
    if (!succeeds)
        QVERIFY(!state.text.isEmpty());
    QVERIFY2(logHas(engine, logged), qPrintable(logged));
    QCOMPARE(askedFor(sandbox), Helper(helper) == Helper::Missing ? QString() : u"Shutter Encoder"_s);
    // A refused password removes nothing.
    QCOMPARE(QFile::exists(sandbox.brewPrefix() + u"/Caskroom/shutter-encoder"_s), !succeeds);
}

QTEST_GUILESS_MAIN(TestAskpassFlow)
#include "TestAskpassFlow.moc"
