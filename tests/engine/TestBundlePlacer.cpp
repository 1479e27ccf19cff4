#include "engine/BundlePlacer.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBundlePlacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacesTheOlderCopyOnlyOnceTheNewOneIsComplete_data();
    void replacesTheOlderCopyOnlyOnceTheNewOneIsComplete();
};

void TestBundlePlacer::replacesTheOlderCopyOnlyOnceTheNewOneIsComplete_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("nothing in the way") << QString();
    QTest::newRow("new copy cannot be made") << u"fifo"_s; // a pipe is no file to copy
    QTest::newRow("older copy is locked") << u"locked"_s;
}

void TestBundlePlacer::replacesTheOlderCopyOnlyOnceTheNewOneIsComplete()
{
    QFETCH(QString, obstacle);
    Sandbox sandbox;
    const QString folder = sandbox.systemApplications();
    const QString older = sandbox.makeBundle(folder, u"Rectangle"_s, u"com.knollsoft.Rectangle"_s);
    QVERIFY(Sandbox::writeFile(older + u"/Contents/version"_s, "1"));
    const QString source = sandbox.root() + u"/unpacked/Rectangle.app"_s;
    QVERIFY(Sandbox::writeFile(source + u"/Contents/version"_s, "2"));
    QVERIFY(Sandbox::writeFile(source + u"/Contents/MacOS/Rectangle"_s, "#!/bin/sh\n", true));

    bool locked = false;
    auto unlock = qScopeGuard([&] {
        if (locked)
            QProcess::execute(u"chattr"_s, { u"-i"_s, older });
    });
    if (obstacle == u"fifo"_s) {
        QCOMPARE(mkfifo(QFile::encodeName(source + u"/Contents/pipe"_s).constData(), 0600), 0);
    } else if (obstacle == u"locked"_s) {
        locked = QProcess::execute(u"chattr"_s, { u"+i"_s, older }) == 0;
        if (!locked)
            QSKIP("the immutable flag is not available here");
    }

    const Outcome<QString> placed = BundlePlacer::place(source, folder);

    // Whatever happened, nothing half-made is left beside the bundle.
    QCOMPARE(entriesOf(folder), QStringList { u"Rectangle.app"_s });
    if (obstacle.isEmpty()) {
        QVERIFY(placed.succeeded());
        QCOMPARE(*placed, older);
        QCOMPARE(contentOf(older + u"/Contents/version"_s), QByteArray("2"));
        QVERIFY(QFileInfo(older + u"/Contents/MacOS/Rectangle"_s).isExecutable());
        QVERIFY(!QFile::exists(older + u"/Contents/Info.plist"_s)); // nothing of the older copy mixed in
    } else {
        QVERIFY(!placed.succeeded());
        QVERIFY2(placed.error.description.startsWith(u"Could not put Rectangle.app into "_s),
            qPrintable(placed.error.description));
        QCOMPARE(contentOf(older + u"/Contents/version"_s), QByteArray("1"));
        QVERIFY(QFile::exists(older + u"/Contents/Info.plist"_s));
    }
}

QTEST_GUILESS_MAIN(TestBundlePlacer)
#include "TestBundlePlacer.moc"
