#include "engine/InstallEngine.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestBrewDiscovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { qunsetenv("ORVANDO_FORCE_NO_BREW"); }
    void picksTheFirstUsableCandidate_data();
    void picksTheFirstUsableCandidate();
    void systemEnvironmentHasTheKnownPlaces();
    void privateTempDirIsClosedToOthers();
};

void TestBrewDiscovery::picksTheFirstUsableCandidate_data()
{
    // Three candidates in order; each is missing, a plain file, a folder, or executable.
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("expected"); // index of the chosen candidate, -1 for none
    QTest::newRow("per-user prefix first") << QStringList { u"exec"_s, u"exec"_s, u"exec"_s } << 0;
    QTest::newRow("Apple silicon before Intel") << QStringList { u"missing"_s, u"exec"_s, u"exec"_s } << 1;
    QTest::newRow("Intel when alone") << QStringList { u"missing"_s, u"missing"_s, u"exec"_s } << 2;
    QTest::newRow("not executable is skipped") << QStringList { u"plain"_s, u"plain"_s, u"exec"_s } << 2;
    QTest::newRow("a folder is not a program") << QStringList { u"folder"_s, u"exec"_s, u"missing"_s } << 1;
    QTest::newRow("nothing usable") << QStringList { u"plain"_s, u"missing"_s, u"folder"_s } << -1;
}

void TestBrewDiscovery::picksTheFirstUsableCandidate()
{
    QFETCH(QStringList, kinds);
    QFETCH(int, expected);
    Sandbox sandbox;
    Environment env = sandbox.environment();
    env.brewCandidates = { sandbox.brewPath(), sandbox.root() + u"/opt/homebrew/bin/brew"_s,
        sandbox.root() + u"/usr/local/bin/brew"_s };
    for (int i = 0; i < kinds.size(); ++i) {
        const QString path = env.brewCandidates.at(i);
        if (kinds.at(i) == u"folder"_s)
            QVERIFY(QDir().mkpath(path));
        else if (kinds.at(i) != u"missing"_s)
            QVERIFY(Sandbox::writeFile(path, "#!/bin/sh\n", kinds.at(i) == u"exec"_s));
    }

    const std::optional<QString> found = InstallEngine::resolveBrewBinary(env);
    QCOMPARE(found, expected < 0 ? std::nullopt : std::optional<QString>(env.brewCandidates.at(expected)));
    InstallEngine engine(env);
    QCOMPARE(engine.brewBinary(), found);
    QCOMPARE(engine.brewAvailable(), expected >= 0);
}

void TestBrewDiscovery::systemEnvironmentHasTheKnownPlaces()
{
    const Environment env = Environment::system();
    QCOMPARE(env.brewCandidates.first(), env.userHomebrewPrefix + u"/bin/brew"_s);
    QCOMPARE(InstallEngine::brewPrefix(u"/opt/homebrew/bin/brew"_s), u"/opt/homebrew"_s);
    // Temporary files live in a private folder, never directly in the shared one.
    QVERIFY(!env.tempDir.isEmpty());
    QVERIFY(QDir::cleanPath(env.tempDir) != QDir::cleanPath(QDir::tempPath()));
}

void TestBrewDiscovery::privateTempDirIsClosedToOthers()
{
    Sandbox sandbox;
    const QString shared = sandbox.root() + u"/shared"_s;
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);

    const QString first = Environment::makePrivateTempDir(shared);
    QVERIFY(!first.isEmpty());
    QCOMPARE(QFileInfo(first).absolutePath(), shared);
    struct stat info = {};
    QCOMPARE(::lstat(QFile::encodeName(first).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);
    QCOMPARE(Environment::makePrivateTempDir(shared), first); // stable for this user

    // A name taken by a symlink (someone else's trap) is never used.
    QVERIFY(QDir(first).removeRecursively());
    QVERIFY(QFile::link(sandbox.root(), first));
    const QString other = Environment::makePrivateTempDir(shared);
    QVERIFY(!other.isEmpty());
    QVERIFY(other != first);
    QCOMPARE(::lstat(QFile::encodeName(other).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, 0700u);
}

QTEST_GUILESS_MAIN(TestBrewDiscovery)
#include "TestBrewDiscovery.moc"
