#include "engine/InstallEngine.h"
#include "engine/homebrew/BrewRunner.h"
#include "engine/homebrew/LineSplitter.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

struct Run
{
    QStringList lines;
    std::optional<BrewResult> result;
    qsizetype linesAtResult = -1;
    bool offMainThread = false;
};

// Runs one brew command to its end, recording what reached the line handler (which logs it) and when.
Run runToEnd(InstallEngine &engine, const QStringList &args, const std::optional<QString> &appName = {})
{
    auto run = std::make_shared<Run>();
    const auto onLine = [run, &engine](const QString &line) {
        engine.appendLog(line, u"maccy"_s);
        run->lines.append(line);
        run->offMainThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
    };
    engine.runBrew(args, onLine, appName).then([run](const BrewResult &result) {
        run->linesAtResult = run->lines.size();
        run->result = result;
    });
    if (!QTest::qWaitFor([run] { return run->result.has_value(); }, 60000))
        qWarning("brew did not finish in time");
    return *run;
}

const QString notFinished = u"Install did not finish. You can try again."_s;
const QString homebrew = u"Homebrew 4.4.0"_s;

QStringList split(const QList<QByteArray> &reads, qsizetype cap = LineSplitter::defaultMaxLineBytes)
{
    LineSplitter splitter(cap);
    QStringList lines;
    for (const QByteArray &read : reads) {
        lines += splitter.feed(read);
        if (splitter.pendingBytes() > cap)
            return { u"an unfinished line piled up"_s };
    }
    return lines + splitter.finish();
}

} // namespace

// brew run for real (the fake one): its lines, its environment, its outcome; and how its output is
// cut into lines, however the reads fall.
class TestBrewRunner : public QObject
{
    Q_OBJECT

    Sandbox m_sandbox;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_sandbox.installFakeBrew()); }

    void deliversEveryLineBeforeTheOutcome_data()
    {
        QTest::addColumn<QByteArray>("fakeSwitch"); // NAME=value
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("code"); // 0: success
        QTest::newRow("plain") << QByteArray() << QStringList { homebrew } << 0;
        QTest::newRow("split mid-line and mid-character")
            << QByteArray("FAKE_BREW_SPLIT=1") << QStringList { u"==> Downloading café menu"_s, homebrew } << 0;
        QTest::newRow("no final line feed")
            << QByteArray("FAKE_BREW_NO_FINAL_NEWLINE=1") << QStringList { homebrew } << 0;
        QTest::newRow("failing exit status, stderr merged")
            << QByteArray("FAKE_BREW_EXIT=3")
            << QStringList { u"Error: Download failed on Cask 'maccy' with message: simulated failure"_s } << 3;
        QTest::newRow("terminated by a signal")
            << QByteArray("FAKE_BREW_SIGNAL=TERM") << QStringList { homebrew } << 128 + 15;
    }
    void deliversEveryLineBeforeTheOutcome()
    {
        QFETCH(QByteArray, fakeSwitch);
        QFETCH(QStringList, lines);
        QFETCH(int, code);
        std::optional<ScopedEnvironmentVariable> toggle;
        if (!fakeSwitch.isEmpty())
            toggle.emplace(fakeSwitch.split('=').at(0).constData(), fakeSwitch.split('=').at(1));
        InstallEngine engine(m_sandbox.environment());
        const QStringList args { code == 3 ? u"install"_s : u"--version"_s, u"--cask"_s, u"maccy"_s };
        const Run run = runToEnd(engine, args);
        QCOMPARE(run.lines, lines);
        QCOMPARE(run.linesAtResult, lines.size());
        QVERIFY(!run.offMainThread);
        QCOMPARE(run.result->error, code ? std::optional(EngineError::install(code, notFinished)) : std::nullopt);
        QCOMPARE(m_sandbox.brewCalls().last(), args.join(u' '));
    }

    // A line past the cap comes in bounded pieces, a flood of lines whole; the log keeps the last
    // lines in order, every change announced.
    void keepsLongLinesBoundedAndFloodsWhole()
    {
        ScopedEnvironmentVariable longLine("FAKE_BREW_LONG_LINE", QByteArray("300000"));
        ScopedEnvironmentVariable flood("FAKE_BREW_FLOOD", QByteArray("10000"));
        InstallEngine engine(m_sandbox.environment());
        QAbstractItemModelTester tester(engine.log(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const Run run = runToEnd(engine, { u"--version"_s });
        const QStringList pieces = run.lines.mid(0, run.lines.size() - 10001);
        for (const QString &piece : pieces)
            QVERIFY(piece.size() <= LineSplitter::defaultMaxLineBytes);
        QCOMPARE(pieces.join(QString()), QString(300000, u'x'));
        QStringList expected;
        for (int i = 1; i <= 10000; ++i)
            expected.append(u"==> Downloading https://example.invalid/pkg-%1.zip"_s.arg(i));
        QCOMPARE(run.lines.mid(pieces.size()), expected << homebrew);
        const QList<LogLine> lines = engine.log()->lines();
        QCOMPARE(lines.size(), InstallLog::cap);
        QCOMPARE(lines.constLast(), (LogLine { run.lines.size(), u"maccy"_s, homebrew }));
        QCOMPARE(lines.constFirst(), (LogLine { pieces.size() + 9502, u"maccy"_s, expected.at(9501) }));
        QCOMPARE(engine.log()->data(engine.log()->index(1)).toString(), expected.at(9502));
    }

    void givesBrewItsFixedEnvironment_data()
    {
        QTest::addColumn<bool>("helperRuns"); // the password helper is executable
        QTest::addColumn<std::optional<QString>>("appName");
        QTest::newRow("helper, app named") << true << std::optional<QString>(u"Café Clock"_s);
        QTest::newRow("helper not executable, no app") << false << std::optional<QString>();
    }
    void givesBrewItsFixedEnvironment()
    {
        QFETCH(bool, helperRuns);
        QFETCH(std::optional<QString>, appName);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const QString askpass = sandbox.helperDir() + u"/orvando-askpass"_s;
        QVERIFY(Sandbox::writeFile(askpass, "#!/bin/sh\necho secret\n", helperRuns));
        ScopedEnvironmentVariable print("FAKE_BREW_PRINT_ENV", QByteArray("1"));
        ScopedEnvironmentVariable analytics("HOMEBREW_NO_ANALYTICS", QByteArray("0")); // overwritten
        ScopedEnvironmentVariable inherited("ORVANDO_TEST_INHERITED", QByteArray("kept as is"));
        ScopedEnvironmentVariable noAskpass("SUDO_ASKPASS", std::nullopt);
        InstallEngine engine(sandbox.environment());
        const Run run = runToEnd(engine, { u"--version"_s }, appName);
        QHash<QString, QString> env;
        for (const QString &line : run.lines) {
            if (const qsizetype equals = line.indexOf(u'='); equals > 0)
                env.insert(line.left(equals), line.mid(equals + 1));
        }
        QCOMPARE(env.value(u"HOMEBREW_PREFIX"_s), sandbox.brewPrefix());
        for (const QString &flag :
            { u"HOMEBREW_NO_AUTO_UPDATE"_s, u"HOMEBREW_NO_ANALYTICS"_s, u"HOMEBREW_NO_ENV_HINTS"_s })
            QCOMPARE(env.value(flag), u"1"_s);
        QCOMPARE(env.value(u"ORVANDO_TEST_INHERITED"_s), u"kept as is"_s);
        QCOMPARE(env.value(u"SUDO_ASKPASS"_s), helperRuns ? askpass : QString());
        QCOMPARE(env.contains(u"ORVANDO_ASKPASS_FOR"_s), appName.has_value());
        QCOMPARE(env.value(u"ORVANDO_ASKPASS_FOR"_s), appName.value_or(QString()));
    }

    // A cask step run with sudo asks the helper beside the program, told the application's name;
    // without an answer nothing changes.
    void casksAskForThePasswordThroughTheHelper_data()
    {
        QTest::addColumn<bool>("uninstall");
        QTest::addColumn<QByteArray>("helper"); // empty: none
        QTest::newRow("install, password given") << false << QByteArray("printf 's3cret p\xc3\xa4ss\\n'");
        QTest::newRow("install, no helper") << false << QByteArray();
        QTest::newRow("uninstall, prompt cancelled") << true << QByteArray("exit 1");
    }
    void casksAskForThePasswordThroughTheHelper()
    {
        QFETCH(bool, uninstall);
        QFETCH(QByteArray, helper);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const CatalogApp app = catalogApp(u"shutter-encoder"_s);
        QVERIFY(sandbox.registerCask(app.id, app.name, *app.bundleID));
        InstallEngine engine(sandbox.environment());
        if (uninstall)
            QVERIFY(finish(engine.install(app))); // no password step yet
        QFile conf(sandbox.brewPrefix() + u"/fake-brew.conf"_s);
        QVERIFY(conf.open(QIODevice::Append) && conf.write("FAKE_BREW_SUDO='s3cret p\xc3\xa4ss'\n") > 0);
        conf.close();
        const QString askedFor = sandbox.helperDir() + u"/asked-for"_s;
        if (!helper.isEmpty())
            QVERIFY(Sandbox::writeFile(sandbox.helperDir() + u"/orvando-askpass"_s,
                "#!/bin/sh\nprintf '%s' \"$ORVANDO_ASKPASS_FOR\" > '" + askedFor.toUtf8() + "'\n" + helper + '\n',
                true));
        QVERIFY(finish(uninstall ? engine.uninstall(app) : engine.install(app)));
        const bool succeeds = helper.startsWith("printf");
        QCOMPARE(engine.state(app.id),
            succeeds ? InstallState::installed()
                     : InstallState::failed(u"The Mac password was not entered, so Shutter Encoder was not "_s
                         + (uninstall ? u"removed."_s : u"installed."_s)));
        QCOMPARE(fileBytes(askedFor), helper.isEmpty() ? QByteArray() : QByteArray("Shutter Encoder"));
        QVERIFY(QFile::exists(sandbox.brewPrefix() + u"/Caskroom/shutter-encoder"_s) == (succeeds || uninstall));
    }

    void failsWithoutStartingBrew_data()
    {
        QTest::addColumn<bool>("goneAfterDiscovery");
        QTest::newRow("no brew found") << false;
        QTest::newRow("brew gone after discovery") << true;
    }
    void failsWithoutStartingBrew()
    {
        QFETCH(bool, goneAfterDiscovery);
        Sandbox sandbox;
        QVERIFY(!goneAfterDiscovery || sandbox.installFakeBrew());
        InstallEngine engine(sandbox.environment());
        QVERIFY(!goneAfterDiscovery || QFile::remove(sandbox.brewPath()));
        const Run run = runToEnd(engine, { u"install"_s, u"--cask"_s, u"maccy"_s });
        // The system's own error text, when brew was there to be started.
        QCOMPARE(
            run.result->error->domain, goneAfterDiscovery ? EngineError::Domain::System : EngineError::Domain::Install);
        QVERIFY(!run.result->error->description.isEmpty());
        QVERIFY(run.lines.isEmpty() && sandbox.brewCalls().isEmpty());
    }

    void cutsReadsIntoLines_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("cap");
        QTest::addColumn<QStringList>("lines");
        const int none = LineSplitter::defaultMaxLineBytes;
        const auto row = [](const char *name, QList<QByteArray> reads, int cap, QStringList lines) {
            QTest::newRow(name) << reads << cap << lines;
        };
        row("blank lines dropped, spaces kept", { "one\n\n  two \n" }, none, { u"one"_s, u"  two "_s });
        row("lone carriage return stays", { "50%\r100%\n" }, none, { u"50%\r100%"_s });
        row("CR LF split between reads", { "a\r", "\nb\n" }, none, { u"a"_s, u"b"_s });
        row("a line made of a carriage return", { "\r\r\n" }, none, { u"\r"_s });
        row("four-byte character split three ways", { "mug \xF0\x9F", "\x8D", "\xBA!\n" }, none, { u"mug 🍺!"_s });
        row("invalid bytes replaced", { "bad \xFF\xFE kept\n" }, none, { u"bad \uFFFD\uFFFD kept"_s });
        row("tail keeps its carriage return", { "a\nb\r" }, none, { u"a"_s, u"b\r"_s });
        row("long line in pieces", { QByteArray(20, 'x') + "\nshort\n" }, 8,
            { u"xxxxxxxx"_s, u"xxxxxxxx"_s, u"xxxx"_s, u"short"_s });
        row("piece never ends inside a character", { "abcdefg\xC3\xA9h\n" }, 8, { u"abcdefg"_s, u"éh"_s });
        row("nor inside a four-byte one", { "abcde\xF0\x9F\x8D\xBAxyz", "\n" }, 8, { u"abcde"_s, u"🍺xyz"_s });
        row("line of the cap whose LF comes later", { "abcdefg\r", "\n" }, 8, { u"abcdefg"_s });
        row("one past the cap, CR LF split", { "abcdefgh\r", "\n" }, 8, { u"abcdefgh"_s });
        row("cap reached with CR CR, LF later", { "abcdefg\r\r", "\n" }, 8, { u"abcdefg\r"_s });
    }

    void cutsReadsIntoLines()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, cap);
        QFETCH(QStringList, lines);
        QCOMPARE(split(reads, cap), lines);
    }

    void givesTheSameLinesHoweverTheOutputIsCut_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("CRs around the cap") << QByteArray("abcdefg\r\r\nabcdefgh\r\r\r\nab\rcdefgh\r\n\r\n\rx");
        QTest::newRow("characters across the cap") << QByteArray("aé€🍺é€🍺aé€🍺\néééééé\r\n🍺🍺🍺\n");
        QTest::newRow("invalid bytes") << QByteArray("\x80\x80\x80\x80\x80\x80\x80\x80\x80\xFFxy\n\xC3");
        QTest::newRow("no line feed at all") << QByteArray("0123456789abcdefghijklmnop\r");
    }

    // Every cut into two reads, and one byte at a time, gives the lines of the whole output.
    void givesTheSameLinesHoweverTheOutputIsCut()
    {
        QFETCH(QByteArray, output);
        const QStringList whole = split({ output }, 8);
        for (qsizetype at = 1; at < output.size(); ++at)
            QVERIFY2(split({ output.left(at), output.mid(at) }, 8) == whole, qPrintable(u"cut at %1"_s.arg(at)));
        QList<QByteArray> bytes;
        for (const char c : output)
            bytes.append(QByteArray(1, c));
        QCOMPARE(split(bytes, 8), whole);
    }

    // The brew that runs: the first usable one of the candidates.
    void picksTheFirstUsableBrew_data()
    {
        QTest::addColumn<QStringList>("kinds"); // of the three candidates, in order
        QTest::addColumn<int>("expected"); // index of the chosen candidate, -1 for none
        QTest::newRow("per-user prefix first") << QStringList { u"exec"_s, u"exec"_s, u"exec"_s } << 0;
        QTest::newRow("not executable, a folder: skipped") << QStringList { u"plain"_s, u"folder"_s, u"exec"_s } << 2;
        QTest::newRow("nothing usable") << QStringList { u"plain"_s, u"missing"_s, u"folder"_s } << -1;
    }

    void picksTheFirstUsableBrew()
    {
        QFETCH(QStringList, kinds);
        QFETCH(int, expected);
        Sandbox sandbox;
        Environment env = sandbox.environment();
        env.brewCandidates = { sandbox.brewPath(), sandbox.root() + u"/opt/brew"_s, sandbox.root() + u"/usr/brew"_s };
        for (int i = 0; i < kinds.size(); ++i) {
            if (kinds.at(i) == u"folder"_s)
                QVERIFY(QDir().mkpath(env.brewCandidates.at(i)));
            else if (kinds.at(i) != u"missing"_s)
                QVERIFY(Sandbox::writeFile(env.brewCandidates.at(i), "#!/bin/sh\n", kinds.at(i) == u"exec"_s));
        }
        QCOMPARE(BrewRunner::resolveBinary(env),
            expected < 0 ? std::nullopt : std::optional(env.brewCandidates.at(expected)));
        // Set, even to nothing, the switch leaves the real Mac without candidates.
        qputenv("ORVANDO_FORCE_NO_BREW", "");
        QCOMPARE(Environment::system().brewCandidates, QStringList());
        qunsetenv("ORVANDO_FORCE_NO_BREW");
    }
};

QTEST_GUILESS_MAIN(TestBrewRunner)
#include "TestBrewRunner.moc"
