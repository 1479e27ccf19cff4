#include "engine/BundlePlacer.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

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
    void keepsTheOlderCopyWhenTheNewOneFails_data();
    void keepsTheOlderCopyWhenTheNewOneFails();
};

void TestBundlePlacer::keepsTheOlderCopyWhenTheNewOneFails_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("new copy cannot be made") << u"fifo"_s; // a pipe is no file to copy
    QTest::newRow("older copy is locked") << u"locked"_s;
}

void TestBundlePlacer::keepsTheOlderCopyWhenTheNewOneFails()
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
    } else {
        locked = QProcess::execute(u"chattr"_s, { u"+i"_s, older }) == 0;
        if (!locked)
            QSKIP("the immutable flag is not available here");
    }

    const Outcome<QString> placed = BundlePlacer::place(source, folder);

    // The older copy is untouched, and nothing half-made is left beside it.
    QCOMPARE(entriesOf(folder), QStringList { u"Rectangle.app"_s });
    QVERIFY(!placed.succeeded());
    QVERIFY2(placed.error.description.startsWith(u"Could not put Rectangle.app into "_s),
        qPrintable(placed.error.description));
    QCOMPARE(contentOf(older + u"/Contents/version"_s), QByteArray("1"));
    QVERIFY(QFile::exists(older + u"/Contents/Info.plist"_s));
}

QTEST_GUILESS_MAIN(TestBundlePlacer)
#include "TestBundlePlacer.moc"
