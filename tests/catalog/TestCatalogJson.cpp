// The JSON form of catalog entries: shape, round trip and every way decoding can fail.
#include "catalog/Catalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject entryJson(const QString &id)
{
    for (const CatalogApp &app : Catalog::v1())
        if (app.id == id)
            return app.toJson();
    return {};
}

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// Built in code: moc cannot read a raw string literal that spans lines.
QJsonObject validEntry()
{
    return { { u"id"_s, u"sol"_s }, { u"name"_s, u"Sol"_s }, { u"tagline"_s, u"Launch apps."_s },
        { u"category"_s, u"Window & desktop"_s },
        { u"install"_s, QJsonObject { { u"homebrewCask"_s, QJsonObject { { u"_0"_s, u"sol"_s } } } } },
        { u"license"_s, u"MIT"_s }, { u"pricing"_s, u"Freemium"_s }, { u"homepage"_s, u"https://example.org/"_s },
        { u"bundleID"_s, u"com.example.sol"_s }, { u"isCurated"_s, false },
        { u"replaces"_s, QJsonObject { { u"app"_s, u"Alfred"_s }, { u"priceText"_s, u"£34"_s } } },
        { u"screenshots"_s, QJsonArray { u"sol-shot-1"_s, u"sol-shot-2"_s } } };
}

} // namespace

class TestCatalogJson : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEntrySurvivesARoundTripThroughText()
    {
        QJsonArray array;
        for (const CatalogApp &app : Catalog::v1())
            array.append(app.toJson());
        const QByteArray text = QJsonDocument(array).toJson(QJsonDocument::Compact);
        QVERIFY(text.contains("\"priceText\":\"\xC2\xA3"
                              "34\""));
        const QJsonArray decoded = QJsonDocument::fromJson(text).array();
        QCOMPARE(decoded.size(), 28);
        for (int i = 0; i < decoded.size(); ++i) {
            QString error;
            const std::optional<CatalogApp> app = CatalogApp::fromJson(decoded[i].toObject(), &error);
            QVERIFY2(app, qPrintable(error));
            QCOMPARE(*app, Catalog::v1()[i]);
            QCOMPARE(qHash(*app), qHash(Catalog::v1()[i]));
        }
    }

    void shapeOfAnEntry()
    {
        const QJsonObject maccy = entryJson(u"maccy"_s);
        QCOMPARE(maccy.keys(),
            (QStringList { u"bundleID"_s, u"category"_s, u"homepage"_s, u"id"_s, u"install"_s, u"isCurated"_s,
                u"license"_s, u"name"_s, u"pricing"_s, u"replaces"_s, u"screenshots"_s, u"tagline"_s }));
        // Labels, not case names, are the values.
        QCOMPARE(maccy[u"category"_s], QJsonValue(u"Clipboard & text"_s));
        QCOMPARE(maccy[u"pricing"_s], QJsonValue(u"Free"_s));
        QCOMPARE(entryJson(u"pearcleaner"_s)[u"license"_s], QJsonValue(u"Apache-2.0 + Commons Clause"_s));
        QCOMPARE(maccy[u"install"_s].toObject(), parse(R"({"homebrewCask": {"_0": "maccy"}})"));
        QCOMPARE(maccy[u"replaces"_s].toObject(), parse(R"({"app": "Paste", "priceText": "$30/yr"})"));
        // Optional keys are left out, not written as null.
        const QJsonObject shutter = entryJson(u"shutter-encoder"_s);
        QVERIFY(!shutter.contains(u"bundleID"_s) && !shutter.contains(u"replaces"_s));
        QCOMPARE(shutter.size(), 10);
        QCOMPARE(entryJson(u"parabolic"_s)[u"install"_s].toObject(),
            parse(R"({"directDownload": {"_0": {"githubRepo": "NickvisionApps/Parabolic",)"
                  R"("assetArm64": "Parabolic-macOS-arm64.zip", "assetX64": "Parabolic-macOS-x64.zip"}}})"));
    }

    // An entry written elsewhere, with its optional keys present, missing or null.
    void decodesOptionalKeysPresentMissingOrNull_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("asNull");
        QTest::newRow("all present") << QString() << false;
        QTest::newRow("bundleID missing") << u"bundleID"_s << false;
        QTest::newRow("bundleID null") << u"bundleID"_s << true;
        QTest::newRow("replaces missing") << u"replaces"_s << false;
        QTest::newRow("replaces null") << u"replaces"_s << true;
    }
    void decodesOptionalKeysPresentMissingOrNull()
    {
        QFETCH(QString, key);
        QFETCH(bool, asNull);
        QJsonObject object = validEntry();
        if (asNull)
            object[key] = QJsonValue::Null;
        else
            object.remove(key);
        QString error;
        const std::optional<CatalogApp> app = CatalogApp::fromJson(object, &error);
        QVERIFY2(app, qPrintable(error));
        object.remove(key); // written back without the absent key, every other value as it came
        QCOMPARE(app->toJson(), object);
    }

    void decodeErrors_data()
    {
        QTest::addColumn<QByteArray>("patch"); // merged over the valid entry; a null value removes the key
        QTest::addColumn<QString>("message"); // exact text where it is fixed, otherwise empty
        for (const char *key : { "id", "name", "tagline", "category", "install", "license", "pricing", "homepage",
                 "isCurated", "screenshots" })
            QTest::addRow("missing %s", key) << "{\"" + QByteArray(key) + "\": null}" << QString();
        const QString notOne = u"Invalid number of keys found, expected one."_s;
        QTest::newRow("install without keys") << QByteArray(R"({"install": {}})") << notOne;
        QTest::newRow("install with two keys")
            << QByteArray(R"({"install": {"homebrewCask": {"_0": "a"}, "directDownload": {"_0": {}}}})") << notOne;
        for (const char *patch : { R"({"category": "Games"})", R"({"category": "window"})", R"({"license": "mit"})",
                 R"({"pricing": "Paid"})", R"({"install": {"appStore": {"_0": "1"}}})",
                 R"({"install": {"homebrewCask": {}}})", R"({"install": {"homebrewCask": {"_0": 7}}})",
                 R"({"install": {"directDownload": {"_0": {"githubRepo": "a/b", "assetArm64": "x"}}}})",
                 R"({"replaces": {"app": "Paste"}})", R"({"replaces": {"priceText": "$1"}})",
                 R"({"isCurated": "true"})", R"({"name": 5})", R"({"screenshots": ["a", 2]})", R"({"bundleID": 5})" })
            QTest::newRow(patch) << QByteArray(patch) << QString();
    }
    void decodeErrors()
    {
        QFETCH(QByteArray, patch);
        QFETCH(QString, message);
        QJsonObject object = validEntry();
        const QJsonObject changes = parse(patch);
        QVERIFY(!changes.isEmpty());
        for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
            if (it.value().isNull())
                object.remove(it.key());
            else
                object[it.key()] = it.value();
        }
        QString error;
        QVERIFY(!CatalogApp::fromJson(object, &error));
        QVERIFY(!error.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(error, message);
    }
};

QTEST_GUILESS_MAIN(TestCatalogJson)
#include "TestCatalogJson.moc"
