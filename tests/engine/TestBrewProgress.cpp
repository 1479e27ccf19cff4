#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

// How far a download brew makes has come, read the way real Homebrew lets it be read: its
// "==> Downloading" line, the .incomplete file in its cache, and the size a HEAD request gives.
class TestBrewProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheDownloadOfACask_data()
    {
        QTest::addColumn<bool>("sendLength");
        QTest::newRow("size announced") << true;
        QTest::newRow("no size") << false;
    }

    void followsTheDownloadOfACask()
    {
        QFETCH(bool, sendLength);
        Sandbox sandbox;
        LocalHttpServer server;
        QByteArray body(300 * 1000, 'z');
        server.serve("/Maccy.zip", LocalHttpServer::Download { body, -1, 0, sendLength, false, {}, 20000, 80 });
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        ScopedEnvironmentVariable download("FAKE_BREW_DOWNLOAD", server.url(u"/Maccy.zip"_s).toEncoded());
        InstallEngine engine(sandbox.environment());
        QList<InstallState> states;
        connect(
            &engine, &InstallEngine::stateChanged, this, [&](const QString &id) { states.append(*engine.state(id)); });

        QVERIFY(finish(engine.install(maccy())));

        QCOMPARE(engine.state(u"maccy"_s), InstallState::installed());
        QList<DownloadProgress> readings;
        for (const InstallState &state : std::as_const(states))
            if (state.progress.received > 0)
                readings.append(state.progress);
        // curl really wrote the file brew would, and it was seen growing.
        QVERIFY(readings.size() >= 2);
        QVERIFY(readings.constFirst().received < readings.constLast().received);
        // Before the HEAD answer arrives the size is not known yet; it is never anything else.
        for (const DownloadProgress &reading : std::as_const(readings)) {
            QVERIFY(reading.total == -1 || (sendLength && reading.total == body.size()));
            QVERIFY(reading.received <= body.size());
        }
        QCOMPARE(readings.constLast().percent() >= 0, sendLength);
        const QList<LocalHttpServer::Request> requests = server.requests("/Maccy.zip");
        QVERIFY(std::any_of(requests.cbegin(), requests.cend(), [](const auto &r) { return r.method == "HEAD"; }));
    }
};

QTEST_GUILESS_MAIN(TestBrewProgress)
#include "TestBrewProgress.moc"
