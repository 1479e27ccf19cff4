// The JSON form of catalog entries: shape, round trip and every way decoding can fail.
#include "catalog/Catalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

CatalogApp byID(const QString &id)
{
    for (const CatalogApp &app : Catalog::v1()) {
        if (app.id == id)
            return app;
    }
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
        const QJsonObject maccy = byID(u"maccy"_s).toJson();
        QCOMPARE(maccy.keys(),
            (QStringList { u"bundleID"_s, u"category"_s, u"homepage"_s, u"id"_s, u"install"_s, u"isCurated"_s,
                u"license"_s, u"name"_s, u"pricing"_s, u"replaces"_s, u"screenshots"_s, u"tagline"_s }));
        QCOMPARE(maccy[u"category"_s], QJsonValue(u"Clipboard & text"_s));
        QCOMPARE(maccy[u"license"_s], QJsonValue(u"MIT"_s));
        QCOMPARE(maccy[u"pricing"_s], QJsonValue(u"Free"_s));
        QCOMPARE(maccy[u"isCurated"_s], QJsonValue(true));
        QCOMPARE(maccy[u"install"_s].toObject(), parse(R"({"homebrewCask": {"_0": "maccy"}})"));
        QCOMPARE(maccy[u"replaces"_s].toObject(), parse(R"({"app": "Paste", "priceText": "$30/yr"})"));
        QCOMPARE(maccy[u"screenshots"_s].toArray().size(), 4);

        const QJsonObject shutter = byID(u"shutter-encoder"_s).toJson();
        QVERIFY(!shutter.contains(u"bundleID"_s));
        QVERIFY(!shutter.contains(u"replaces"_s));
        QCOMPARE(shutter.size(), 10);

        QCOMPARE(byID(u"parabolic"_s).toJson()[u"install"_s].toObject(),
            parse(R"({"directDownload": {"_0": {"githubRepo": "NickvisionApps/Parabolic",)"
                  R"("assetArm64": "Parabolic-macOS-arm64.zip",)"
                  R"("assetX64": "Parabolic-macOS-x64.zip"}}})"));
        QCOMPARE(byID(u"pearcleaner"_s).toJson()[u"license"_s], QJsonValue(u"Apache-2.0 + Commons Clause"_s));
    }

    void decodesAnEntryWrittenElsewhere()
    {
        QString error;
        const std::optional<CatalogApp> app = CatalogApp::fromJson(validEntry(), &error);
        QVERIFY2(app, qPrintable(error));
        QCOMPARE(app->category, CatalogApp::Category::Window);
        QCOMPARE(app->pricing, Pricing::Freemium);
        QCOMPARE(app->install.caskToken(), u"sol"_s);
        QCOMPARE(app->replaces->priceText.toUtf8(),
            QByteArray("\xC2\xA3"
                       "34"));
        QCOMPARE(app->screenshots, (QStringList { u"sol-shot-1"_s, u"sol-shot-2"_s }));
    }

    void optionalKeysMayBeMissingOrNull_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("asNull");
        QTest::newRow("bundleID missing") << u"bundleID"_s << false;
        QTest::newRow("bundleID null") << u"bundleID"_s << true;
        QTest::newRow("replaces missing") << u"replaces"_s << false;
        QTest::newRow("replaces null") << u"replaces"_s << true;
    }
    void optionalKeysMayBeMissingOrNull()
    {
        QFETCH(QString, key);
        QFETCH(bool, asNull);
        QJsonObject object = validEntry();
        if (asNull)
            object[key] = QJsonValue::Null;
        else
            object.remove(key);
        const std::optional<CatalogApp> app = CatalogApp::fromJson(object);
        QVERIFY(app);
        QCOMPARE(key == u"bundleID"_s ? app->bundleID.has_value() : app->replaces.has_value(), false);
        QCOMPARE(CatalogApp::fromJson(app->toJson()), app);
    }

    void decodeErrors_data()
    {
        QTest::addColumn<QByteArray>("patch"); // merged over the valid entry; a null value removes the key
        QTest::addColumn<QString>("message"); // exact text where it is fixed, otherwise empty
        const QStringList required { u"id"_s, u"name"_s, u"tagline"_s, u"category"_s, u"install"_s, u"license"_s,
            u"pricing"_s, u"homepage"_s, u"isCurated"_s, u"screenshots"_s };
        for (const QString &key : required)
            QTest::addRow("missing %s", qPrintable(key)) << u"{\"%1\": null}"_s.arg(key).toUtf8() << QString();
        QTest::newRow("unknown category") << QByteArray(R"({"category": "Games"})") << QString();
        QTest::newRow("category by case name") << QByteArray(R"({"category": "window"})") << QString();
        QTest::newRow("unknown licence") << QByteArray(R"({"license": "mit"})") << QString();
        QTest::newRow("unknown pricing") << QByteArray(R"({"pricing": "Paid"})") << QString();
        QTest::newRow("install without keys")
            << QByteArray(R"({"install": {}})") << u"Invalid number of keys found, expected one."_s;
        QTest::newRow("install with two keys")
            << QByteArray(R"({"install": {"homebrewCask": {"_0": "a"}, "directDownload": {"_0": {}}}})")
            << u"Invalid number of keys found, expected one."_s;
        QTest::newRow("install with an unknown case")
            << QByteArray(R"({"install": {"appStore": {"_0": "1"}}})") << QString();
        QTest::newRow("cask without payload") << QByteArray(R"({"install": {"homebrewCask": {}}})") << QString();
        QTest::newRow("cask token not a string")
            << QByteArray(R"({"install": {"homebrewCask": {"_0": 7}}})") << QString();
        QTest::newRow("download without x64 asset")
            << QByteArray(R"({"install": {"directDownload": {"_0": {"githubRepo": "a/b", "assetArm64": "x"}}}})")
            << QString();
        QTest::newRow("replacement without price") << QByteArray(R"({"replaces": {"app": "Paste"}})") << QString();
        QTest::newRow("replacement without app") << QByteArray(R"({"replaces": {"priceText": "$1"}})") << QString();
        QTest::newRow("curated as text") << QByteArray(R"({"isCurated": "true"})") << QString();
        QTest::newRow("name as number") << QByteArray(R"({"name": 5})") << QString();
        QTest::newRow("screenshot not a string") << QByteArray(R"({"screenshots": ["a", 2]})") << QString();
        QTest::newRow("bundle id as number") << QByteArray(R"({"bundleID": 5})") << QString();
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
