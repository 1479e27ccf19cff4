#include "engine/disk/RemovalPlan.h"
#include "engine/disk/RemovalRecord.h"
#include "engine/facts/CaskFacts.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The zap stanzas of catalog casks, as `brew info --json=v2` publishes them.
QHash<QString, CaskFacts> publishedCasks()
{
    QFile file(QStringLiteral(ORVANDO_SOURCE_DIR "/tests/engine/fixtures/zap-stanzas.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, CaskFacts> casks;
    for (const CaskFacts &facts : CaskFacts::decodeBrewInfo(file.readAll()).value.value_or(QList<CaskFacts>()))
        casks.insert(facts.token, facts);
    return casks;
}

QStringList relative(const QList<LeftoverItem> &items, const QString &home)
{
    QStringList paths;
    for (const LeftoverItem &item : items)
        paths.append(item.path.startsWith(home) ? u"~"_s + item.path.mid(home.size()) : item.path);
    paths.sort();
    return paths;
}

const QStringList siblings { u"com.knollsoft.Rectangle"_s, u"org.p0deje.Maccy"_s, u"com.aone.keka"_s,
    u"com.alienator88.Pearcleaner"_s, u"eu.exelban.Stats"_s, u"org.inkscape.Inkscape"_s };

} // namespace

class TestRemovalPlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsWhatPublishedStanzasName_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("bundleID");
        QTest::addColumn<QStringList>("onDisk"); // files made under the home folder
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QStringList>("launchJobs");
        QTest::addColumn<QStringList>("loginItems");

        const QString L = u"~/Library/"_s;
        QTest::newRow("maccy: login item, container, and one of the eight")
            << u"maccy"_s << u"org.p0deje.Maccy"_s
            << QStringList { L + u"Containers/org.p0deje.Maccy/Data/x"_s, L + u"Preferences/org.p0deje.Maccy.plist"_s,
                   L + u"Caches/org.p0deje.Maccy/c"_s, L + u"Documents/unrelated"_s }
            << QStringList { L + u"Caches/org.p0deje.Maccy"_s, L + u"Containers/org.p0deje.Maccy"_s,
                   L + u"Preferences/org.p0deje.Maccy.plist"_s }
            << QStringList() << QStringList { u"Maccy"_s };
        QTest::newRow("keka: leading glob over group containers, trailing glob over recent documents")
            << u"keka"_s << u"com.aone.keka"_s
            << QStringList { L + u"Group Containers/ABC123.group.com.aone.keka/db"_s,
                   L + u"Group Containers/XYZ.group.com.other/db"_s,
                   L + u"Application Scripts/.hidden.group.com.aone.keka"_s,
                   L + u"Application Support/com.apple.sharedfilelist/com.apple.LSSharedFileList.ApplicationRecentDocuments/com.aone.keka.sfl3"_s,
                   L + u"Containers/com.aone.keka.KekaFinderIntegration/x"_s }
            << QStringList { L
                       + u"Application Support/com.apple.sharedfilelist/com.apple.LSSharedFileList.ApplicationRecentDocuments/com.aone.keka.sfl3"_s,
                   L + u"Containers/com.aone.keka.KekaFinderIntegration"_s,
                   L + u"Group Containers/ABC123.group.com.aone.keka"_s }
            << QStringList() << QStringList();
        QTest::newRow("stats: the daemon outside the home folder is not there, the rest is")
            << u"stats"_s << u"eu.exelban.Stats"_s
            << QStringList { L + u"Cookies/eu.exelban.Stats.binarycookies"_s, L + u"HTTPStorages/eu.exelban.Stats/h"_s,
                   L + u"Logs/eu.exelban.Stats/log.txt"_s }
            << QStringList { L + u"Cookies/eu.exelban.Stats.binarycookies"_s, L + u"HTTPStorages/eu.exelban.Stats"_s,
                   L + u"Logs/eu.exelban.Stats"_s }
            << QStringList() << QStringList();
        QTest::newRow("inkscape: a dot folder in the home folder and a glob over caches")
            << u"inkscape"_s << u"org.inkscape.Inkscape"_s
            << QStringList { u"~/.config/inkscape/prefs.xml"_s, L + u"Caches/org.inkscape.Inkscape.thumbs/t"_s,
                   L + u"Caches/org.inkscape.Inkscape/c"_s }
            << QStringList { u"~/.config/inkscape"_s, L + u"Caches/org.inkscape.Inkscape"_s,
                   L + u"Caches/org.inkscape.Inkscape.thumbs"_s }
            << QStringList() << QStringList();
        QTest::newRow("pearcleaner: a glob that stays with its own app, launch agent named after the id")
            << u"pearcleaner"_s << u"com.alienator88.Pearcleaner"_s
            << QStringList { L + u"Containers/com.alienator88.PearcleanerSentinel/x"_s,
                   L + u"LaunchAgents/com.alienator88.Pearcleaner.plist"_s }
            << QStringList { L + u"Containers/com.alienator88.PearcleanerSentinel"_s,
                   L + u"LaunchAgents/com.alienator88.Pearcleaner.plist"_s }
            << QStringList { u"com.alienator88.Pearcleaner"_s } << QStringList();
        QTest::newRow("parabolic: a direct download gets the eight locations")
            << QString() << u"org.nickvision.tubeconverter"_s
            << QStringList { L + u"Application Support/org.nickvision.tubeconverter/a"_s,
                   L + u"Saved Application State/org.nickvision.tubeconverter.savedState/s"_s,
                   L + u"Application Scripts/org.nickvision.tubeconverter/x"_s }
            << QStringList { L + u"Application Support/org.nickvision.tubeconverter"_s,
                   L + u"Saved Application State/org.nickvision.tubeconverter.savedState"_s }
            << QStringList() << QStringList();
    }

    void findsWhatPublishedStanzasName()
    {
        QFETCH(QString, token);
        QFETCH(QString, bundleID);
        QFETCH(QStringList, onDisk);
        QFETCH(QStringList, found);
        QFETCH(QStringList, launchJobs);
        QFETCH(QStringList, loginItems);
        Sandbox sandbox;
        const QString home = sandbox.home();
        for (const QString &path : onDisk)
            QVERIFY(Sandbox::writeFile(home + path.mid(1), "data"));
        const QHash<QString, CaskFacts> casks = publishedCasks();
        QCOMPARE(casks.size(), 27);
        RemovalPlan::Source source { home, bundleID, std::nullopt, {}, siblings };
        if (!token.isEmpty()) {
            QVERIFY(casks.contains(token));
            source.zap = casks.value(token).zap();
            QVERIFY(!source.zap.isEmpty());
        }
        const RemovalPlan plan = RemovalPlan::find(source);
        QCOMPARE(relative(plan.leftovers, home), found);
        QCOMPARE(plan.launchJobs, launchJobs);
        QCOMPARE(plan.loginItems, loginItems);
        QVERIFY2(plan.refused.isEmpty(), qPrintable(plan.refused.join(u'\n')));
    }

    void keepsTheZapThroughTheCache()
    {
        const CaskFacts stats = publishedCasks().value(u"stats"_s);
        QCOMPARE(stats.zap().remove, QStringList { u"/Library/LaunchDaemons/eu.exelban.Stats.SMC.Helper.plist"_s });
        QCOMPARE(stats.zap().trash.size(), 6);
        QCOMPARE(CaskFacts::fromJson(stats.toJson()), stats);
    }

    void marksWhatLiesOutsideTheHomeFolder()
    {
        Sandbox sandbox;
        const QString daemon = sandbox.root() + u"/Library/LaunchDaemons/eu.exelban.Stats.SMC.Helper.plist"_s;
        QVERIFY(Sandbox::writeFile(daemon, "<plist/>"));
        QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/Preferences/eu.exelban.Stats.plist"_s, "<plist/>"));
        ZapStanza zap;
        zap.remove = QStringList { daemon };
        zap.trash = QStringList { u"~/Library/Preferences/eu.exelban.Stats.plist"_s };
        const RemovalPlan plan = RemovalPlan::find({ sandbox.home(), u"eu.exelban.Stats"_s, {}, zap, {} });
        QCOMPARE(plan.leftovers.size(), 2);
        for (const LeftoverItem &item : plan.leftovers)
            QCOMPARE(item.needsAdministrator, item.path == daemon);
        QVERIFY(plan.needsAdministrator());
    }

    // Shutter Encoder's zap names its output folder in Documents: the user's own work stays unless ticked.
    void keepsWhatLiesInTheUsersOwnFoldersUnlessTicked()
    {
        Sandbox sandbox;
        const QString home = sandbox.home();
        const QString output = home + u"/Documents/Shutter Encoder"_s;
        const QString prefs = home + u"/Library/Preferences/com.paulpacifico.shutterencoder.plist"_s;
        QVERIFY(Sandbox::writeFile(output + u"/holiday.mp4"_s, "frames"));
        QVERIFY(Sandbox::writeFile(prefs, "<plist/>"));
        const ZapStanza zap = publishedCasks().value(u"shutter-encoder"_s).zap();
        const RemovalPlan plan = RemovalPlan::find({ home, u"com.paulpacifico.shutterencoder"_s, {}, zap, {} });
        QCOMPARE(relative(plan.leftovers, home),
            (QStringList {
                u"~/Documents/Shutter Encoder"_s, u"~/Library/Preferences/com.paulpacifico.shutterencoder.plist"_s }));
        RemovalChoice byDefault;
        RemovalChoice ticked;
        ticked.leftovers = QStringList { output };
        for (const LeftoverItem &item : plan.leftovers) {
            QCOMPARE(item.inUserFolder, item.path == output);
            QCOMPARE(byDefault.takes(item), item.path == prefs);
            QCOMPARE(ticked.takes(item), item.path == output);
        }
    }

    void refusesWhatReachesPastItsEntry_data()
    {
        QTest::addColumn<QString>("bundleID");
        QTest::addColumn<QStringList>("zapTrash");
        QTest::addColumn<QString>("link"); // made at the path before the "|", pointing at the one after
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<int>("refusals");
        const QString sibling = u"~/Library/Containers/com.knollsoft.Rectangle"_s;

        QTest::newRow("a leftover that is a link to the user's documents")
            << u"com.knollsoft.Rectangle"_s << QStringList { u"~/Library/WebKit/com.knollsoft.Rectangle"_s }
            << u"Library/WebKit/com.knollsoft.Rectangle|Documents"_s << QStringList { sibling } << 1;
        QTest::newRow("a location that is a link out of the Library")
            << u"com.knollsoft.Rectangle"_s << QStringList() << u"Library/Caches|Documents"_s << QStringList { sibling }
            << 1;
        QTest::newRow("a glob that reaches a sibling app's folder")
            << u"com.knollsoft.RectangleLauncher"_s << QStringList { u"~/Library/Containers/com.knollsoft.Rect*"_s }
            << QString() << QStringList { u"~/Library/Containers/com.knollsoft.RectangleLauncher"_s } << 1;
        QTest::newRow("a bundle id with ..") << u"com..knollsoft"_s << QStringList() << QString() << QStringList() << 1;
        QTest::newRow("a zap entry that climbs out of its location")
            << QString() << QStringList { u"~/Library/Containers/../../Documents"_s } << QString() << QStringList()
            << 1;
        QTest::newRow("a glob with nothing but a star")
            << QString() << QStringList { u"~/Library/Containers/*"_s } << QString() << QStringList() << 1;
    }

    void refusesWhatReachesPastItsEntry()
    {
        QFETCH(QString, bundleID);
        QFETCH(QStringList, zapTrash);
        QFETCH(QString, link);
        QFETCH(QStringList, found);
        QFETCH(int, refusals);
        Sandbox sandbox;
        const QString home = sandbox.home();
        const QString document = home + u"/Documents/thesis.txt"_s;
        QVERIFY(Sandbox::writeFile(document, "years of work"));
        QVERIFY(Sandbox::writeFile(home + u"/Library/Containers/com.knollsoft.Rectangle/x"_s, "sibling's"));
        QVERIFY(Sandbox::writeFile(home + u"/Library/Containers/com.knollsoft.RectangleLauncher/x"_s, "own"));
        if (!link.isEmpty()) {
            const QStringList ends = link.split(u'|');
            const QString at = home + u'/' + ends.at(0);
            QVERIFY(QDir().mkpath(QFileInfo(at).absolutePath()));
            QDir(at).removeRecursively();
            QVERIFY(QFile::link(home + u'/' + ends.at(1), at));
            QVERIFY(Sandbox::writeFile(home + u"/Documents/com.knollsoft.Rectangle/x"_s, "not a cache"));
        }
        ZapStanza zap;
        zap.trash = zapTrash;
        const RemovalPlan plan = RemovalPlan::find({ home, bundleID, {}, zap, siblings });
        QCOMPARE(relative(plan.leftovers, home), found);
        QCOMPARE(plan.refused.size(), refusals);
    }

    void measuresSizesWithoutFollowingLinks()
    {
        Sandbox sandbox;
        const QString support = sandbox.home() + u"/Library/Application Support/org.p0deje.Maccy"_s;
        QVERIFY(Sandbox::writeFile(support + u"/a"_s, QByteArray(1000, 'a')));
        QVERIFY(Sandbox::writeFile(support + u"/sub/b"_s, QByteArray(24, 'b')));
        QVERIFY(Sandbox::writeFile(sandbox.root() + u"/big"_s, QByteArray(5000, 'c')));
        QVERIFY(QFile::link(sandbox.root() + u"/big"_s, support + u"/link"_s));
        RemovalPlan plan = RemovalPlan::find({ sandbox.home(), u"org.p0deje.Maccy"_s, {}, {}, {} });
        QVERIFY(!plan.isMeasured());
        plan.measure();
        QVERIFY(plan.isMeasured());
        QCOMPARE(plan.totalSize(true), qint64(1024));
        QCOMPARE(plan.totalSize(false), qint64(0));
    }
};

QTEST_GUILESS_MAIN(TestRemovalPlan)
#include "TestRemovalPlan.moc"
