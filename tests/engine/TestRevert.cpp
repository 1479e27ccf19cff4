#include "engine/direct/KeptVersions.h"
#include "engine/history/OperationHistory.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

// Putting back the version an update replaced: the kept copy, byte for byte, in place of the
// newer one, recorded in the history; and, when the kept copy is gone, a failure that touches
// nothing.
class TestRevert : public QObject
{
    Q_OBJECT

    // Every file under root with its bytes: two bundles that compare equal are the same copy.
    static QStringList contents(const QString &root)
    {
        QStringList entries;
        for (const QString &entry : tree(root))
            entries.append(entry + u' ' + QString::fromLatin1(fileBytes(root + u'/' + entry).toHex()));
        return entries;
    }

private Q_SLOTS:
    void putsTheKeptVersionBack_data()
    {
        QTest::addColumn<bool>("kept");
        QTest::newRow("kept") << true;
        QTest::newRow("the kept copy is gone") << false;
    }

    void putsTheKeptVersionBack()
    {
        QFETCH(bool, kept);
        Sandbox sandbox;
        Environment env = sandbox.environment();
        env.dataDir = sandbox.root() + u"/data"_s;
        const CatalogApp app = catalogApp(u"parabolic"_s);
        const QString older = sandbox.makeBundle(sandbox.root() + u"/older"_s, u"Parabolic"_s, *app.bundleID);
        QVERIFY(Sandbox::writeFile(older + u"/Contents/MacOS/Parabolic"_s, "#!/bin/sh\necho 1.2.0\n", true));
        QVERIFY(QFile::link(u"MacOS/Parabolic"_s, older + u"/Contents/current"_s));
        const QString installed = sandbox.makeBundle(sandbox.userApplications(), u"Parabolic"_s, *app.bundleID);
        QVERIFY(Sandbox::writeFile(installed + u"/Contents/MacOS/Parabolic"_s, "#!/bin/sh\necho 1.3.0\n", true));
        QVERIFY(KeptVersions::keep(env, app.id, older));
        if (!kept)
            KeptVersions::drop(env, app.id);
        const QStringList newer = contents(installed);
        InstallEngine engine(env);
        // A removal would take the kept copy with the app's other data.
        QStringList planned;
        for (const LeftoverItem &item : engine.removalPlan(app).leftovers)
            planned.append(item.path);
        QCOMPARE(planned.contains(env.dataDir + u"/Previous versions/parabolic"_s), kept);

        const OperationOutcome outcome = await(engine.revert(app));

        QCOMPARE(outcome.succeeded(), kept);
        QCOMPARE(contents(installed), kept ? contents(older) : newer);
        QVERIFY(!KeptVersions::kept(env, app.id));
        const HistoryRecord record = engine.history()->recent(1).value(0);
        QCOMPARE(record.kind, HistoryRecord::Kind::Revert);
        QCOMPARE(record.outcome, kept ? HistoryRecord::Outcome::Succeeded : HistoryRecord::Outcome::Failed);
        QCOMPARE(record.sentence, outcome.sentence);
        if (!kept)
            QCOMPARE(
                outcome.sentence, u"The earlier version of Parabolic is no longer kept, so it can't be put back."_s);
    }
};

QTEST_GUILESS_MAIN(TestRevert)
#include "TestRevert.moc"
