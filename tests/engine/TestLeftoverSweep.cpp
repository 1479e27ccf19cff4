#include "engine/InstallEngine.h"
#include "engine/LeftoverSweep.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString bundleID = u"com.knollsoft.Rectangle"_s;

// Every file and folder under root, relative to it, sorted: what a sweep may not touch shows up.
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(
        root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(root).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace

class TestLeftoverSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheEightLocationsInOrder();
    void deletesWhatExistsAndReportsItInOrder_data();
    void deletesWhatExistsAndReportsItInOrder();
    void neverFollowsALinkOutOfTheLibrary();
    void refusesIdentifiersThatReachPastAnEntry_data();
    void refusesIdentifiersThatReachPastAnEntry();
    void refusesAHomeThatIsNoFolder_data();
    void refusesAHomeThatIsNoFolder();
};

void TestLeftoverSweep::listsTheEightLocationsInOrder()
{
    Sandbox sandbox;
    const QString library = sandbox.home() + u"/Library/"_s;
    QCOMPARE(InstallEngine::leftoverPaths(sandbox.environment(), bundleID),
        (QStringList { library + u"Application Support/com.knollsoft.Rectangle"_s,
            library + u"Caches/com.knollsoft.Rectangle"_s, library + u"Containers/com.knollsoft.Rectangle"_s,
            library + u"HTTPStorages/com.knollsoft.Rectangle"_s, library + u"Logs/com.knollsoft.Rectangle"_s,
            library + u"Preferences/com.knollsoft.Rectangle.plist"_s,
            library + u"Saved Application State/com.knollsoft.Rectangle.savedState"_s,
            library + u"LaunchAgents/com.knollsoft.Rectangle.plist"_s }));
    // Used unchanged: no trimming.
    QVERIFY(InstallEngine::leftoverPaths(sandbox.environment(), u" x "_s).first().endsWith(u"/ x "_s));
}

void TestLeftoverSweep::deletesWhatExistsAndReportsItInOrder_data()
{
    QTest::addColumn<QList<int>>("present"); // indexes into the eight paths

    QTest::newRow("none") << QList<int>();
    QTest::newRow("all eight") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7 };
    QTest::newRow("some, out of order on disk") << QList<int> { 7, 1, 5 };
}

void TestLeftoverSweep::deletesWhatExistsAndReportsItInOrder()
{
    QFETCH(QList<int>, present);
    Sandbox sandbox;
    const Environment env = sandbox.environment();
    const QStringList paths = InstallEngine::leftoverPaths(env, bundleID);
    // Neighbours that only share a prefix with the identifier must survive.
    QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/Caches/com.knollsoft.Rectangle2/keep"_s, "k"));
    QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/Preferences/com.knollsoft.plist"_s, "k"));
    for (const int index : present) {
        const QString &path = paths.at(index);
        // Files for the plists, folders with content for the others.
        if (path.endsWith(u".plist"_s))
            QVERIFY(Sandbox::writeFile(path, "<plist/>"));
        else
            QVERIFY(Sandbox::writeFile(path + u"/nested/data.bin"_s, "data"));
    }
    QStringList expected;
    for (int index = 0; index < paths.size(); ++index) {
        if (present.contains(index))
            expected.append(paths.at(index));
    }

    QCOMPARE(InstallEngine::sweepLeftovers(env, bundleID), expected);
    for (const QString &path : paths)
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    QVERIFY(QFile::exists(sandbox.home() + u"/Library/Caches/com.knollsoft.Rectangle2/keep"_s));
    QVERIFY(QFile::exists(sandbox.home() + u"/Library/Preferences/com.knollsoft.plist"_s));
    QCOMPARE(InstallEngine::sweepLeftovers(env, bundleID), QStringList());
}

void TestLeftoverSweep::neverFollowsALinkOutOfTheLibrary()
{
    Sandbox sandbox;
    const QString outside = sandbox.root() + u"/precious"_s;
    QVERIFY(Sandbox::writeFile(outside + u"/thesis.txt"_s, "years of work"));
    QVERIFY(Sandbox::writeFile(sandbox.root() + u"/precious.plist"_s, "<plist/>"));
    const QStringList paths = InstallEngine::leftoverPaths(sandbox.environment(), bundleID);
    QVERIFY(QDir().mkpath(sandbox.home() + u"/Library/Caches"_s));
    QVERIFY(QDir().mkpath(sandbox.home() + u"/Library/Preferences"_s));
    QVERIFY(QFile::link(outside, paths.at(1)));
    QVERIFY(QFile::link(sandbox.root() + u"/precious.plist"_s, paths.at(5)));

    QCOMPARE(
        InstallEngine::sweepLeftovers(sandbox.environment(), bundleID), (QStringList { paths.at(1), paths.at(5) }));
    QVERIFY(!QFileInfo(paths.at(1)).isSymLink());
    QVERIFY(QFile::exists(outside + u"/thesis.txt"_s));
    QVERIFY(QFile::exists(sandbox.root() + u"/precious.plist"_s));
}

void TestLeftoverSweep::refusesIdentifiersThatReachPastAnEntry_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::newRow("empty: the whole location") << QString();
    QTest::newRow("dot: the whole location") << u"."_s;
    QTest::newRow("dot dot: the Library itself") << u".."_s;
    QTest::newRow("climbing out") << u"../../precious"_s;
    QTest::newRow("a slash inside") << u"com.example/../.."_s;
    QTest::newRow("trailing slash") << u"com.example/"_s;
    QTest::newRow("NUL cuts the name short") << u"\0"_s;
}

void TestLeftoverSweep::refusesIdentifiersThatReachPastAnEntry()
{
    QFETCH(QString, identifier);
    Sandbox sandbox;
    const Environment env = sandbox.environment();
    // A Library full of other applications' files, and something precious beside it.
    for (const QString &location : LeftoverSweep::locations())
        QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/"_s + location + u"/org.other.App/file"_s, "x"));
    QVERIFY(Sandbox::writeFile(sandbox.root() + u"/precious/thesis.txt"_s, "x"));
    QVERIFY(QDir().mkpath(sandbox.home() + u"/Library/Caches/com.example"_s));
    const QStringList before = tree(sandbox.root());

    QVERIFY(!LeftoverSweep::isSafeBundleID(identifier));
    QCOMPARE(InstallEngine::leftoverPaths(env, identifier), QStringList());
    QCOMPARE(InstallEngine::sweepLeftovers(env, identifier), QStringList());
    QCOMPARE(tree(sandbox.root()), before);
}

void TestLeftoverSweep::refusesAHomeThatIsNoFolder_data()
{
    QTest::addColumn<QString>("home");
    QTest::newRow("empty: would be the system's Library") << QString();
    QTest::newRow("relative") << u"Users/someone"_s;
    QTest::newRow("the root folder") << u"/"_s;
}

void TestLeftoverSweep::refusesAHomeThatIsNoFolder()
{
    QFETCH(QString, home);
    QCOMPARE(LeftoverSweep::paths(home, bundleID), QStringList());
    QCOMPARE(LeftoverSweep::sweep(home, bundleID), QStringList());
}

QTEST_GUILESS_MAIN(TestLeftoverSweep)
#include "TestLeftoverSweep.moc"
