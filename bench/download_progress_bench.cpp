// Downloads 1 GB from a loopback server through GitHubReleaseClient, with and without following
// its progress the way the engine does (meter, publish as the app's state a few times a second,
// word the summary), and prints the CPU time each took. What following costs must stay under 2 %
// of one core beyond the download itself. Then the Homebrew route: the watcher reading a growing
// .incomplete file for a few seconds.

#include "BenchEngine.h"

#include "engine/direct/GitHubReleaseClient.h"
#include "engine/homebrew/BrewDownloadWatcher.h"
#include "engine/operations/DownloadProgressPublisher.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 size = qint64(1) << 30;
constexpr int rounds = 3;

// Sends `size` zero bytes to each connection, a megabyte at a time as the socket drains.
class StreamingServer : public QObject
{
public:
    quint16 port = 0;
    void start()
    {
        auto *server = new QTcpServer(this);
        server->listen(QHostAddress::LocalHost);
        port = server->serverPort();
        connect(server, &QTcpServer::newConnection, this, [server] {
            while (QTcpSocket *socket = server->nextPendingConnection()) {
                auto sent = std::make_shared<qint64>(-1);
                const auto feed = [socket, sent] {
                    static const QByteArray chunk(1 << 20, '\0');
                    while (*sent >= 0 && *sent < size && socket->bytesToWrite() < 4 * chunk.size()) {
                        socket->write(chunk.constData(), std::min<qint64>(chunk.size(), size - *sent));
                        *sent += chunk.size();
                    }
                    if (*sent >= size && socket->bytesToWrite() == 0)
                        socket->disconnectFromHost();
                };
                connect(socket, &QTcpSocket::readyRead, socket, [socket, sent, feed] {
                    socket->readAll();
                    if (*sent >= 0)
                        return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(size)
                        + "\r\nConnection: close\r\n\r\n");
                    *sent = 0;
                    feed();
                });
                connect(socket, &QTcpSocket::bytesWritten, socket, feed);
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
};

struct Figures
{
    double cpu = 0;
    double wall = 0;
    int readings = 0;
    int published = 0;
    double following = 0; // CPU ms spent in the progress handler itself
};

double threadCpuMs()
{
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Figures download(quint16 port, const QString &folder, bool follow)
{
    Sandbox sandbox;
    BenchEngine engine(sandbox.environment());
    GitHubReleaseClient client(QUrl(u"http://127.0.0.1"_s), folder);
    Figures figures;
    DownloadProgressPublisher publisher([&engine, &figures](const DownloadProgress &progress) {
        engine.setState(u"bench"_s, InstallState::downloading(u"Downloading Bench."_s, progress));
        // What the card, the sheet and the command line make of it.
        figures.published += progress.summary().isEmpty() ? 0 : 1;
    });
    if (follow)
        client.setProgressHandler([&publisher, &figures](qint64 received, qint64 total) {
            const double start = threadCpuMs();
            publisher.update(received, total);
            figures.following += threadCpuMs() - start;
            ++figures.readings;
        });
    bool done = false;
    QElapsedTimer wall;
    wall.start();
    const double before = processCpuMs();
    client.download(QUrl(u"http://127.0.0.1:%1/big.zip"_s.arg(port))).then([&done](Outcome<QString> file) {
        if (!file.succeeded())
            std::fprintf(stderr, "download failed: %s\n", qPrintable(file.error.description));
        else
            QFile::remove(*file);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    figures.cpu = processCpuMs() - before;
    figures.wall = double(wall.elapsed());
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QThread serverThread;
    StreamingServer server;
    server.moveToThread(&serverThread);
    serverThread.start();
    QMetaObject::invokeMethod(
        &server, [&server] { server.start(); }, Qt::BlockingQueuedConnection);
    QTemporaryDir folder;

    // The difference of two whole downloads is at the mercy of everything else on the machine; the
    // time spent in the handler itself is the cost proper.
    std::vector<double> overheads;
    for (int round = 0; round < rounds; ++round) {
        const Figures plain = download(server.port, folder.path(), false);
        const Figures followed = download(server.port, folder.path(), true);
        const double difference = (followed.cpu - plain.cpu) / followed.wall * 100.0;
        const double overhead = followed.following / followed.wall * 100.0;
        overheads.push_back(overhead);
        std::printf("round %d: without progress %.0f ms CPU in %.0f ms; with %.0f ms CPU in %.0f ms "
                    "(difference %.2f %% of one core); %d readings, %d published, %.1f ms CPU in the handler: "
                    "following costs %.3f %% of one core\n",
            round + 1, plain.cpu, plain.wall, followed.cpu, followed.wall, difference, followed.readings,
            followed.published, followed.following, overhead);
    }

    // The Homebrew route: the watcher reads a file that grows by 4 KB every 100 ms (little enough
    // not to drown what is measured) for three seconds.
    QTemporaryDir cache;
    QDir().mkpath(cache.filePath(u"downloads"_s));
    const QString url = u"https://example.invalid/Big.zip"_s;
    QFile incomplete(
        cache.filePath(u"downloads/"_s + BrewDownloadWatcher::incompletePattern(url).replace(u'*', u"Big.zip"_s)));
    incomplete.open(QIODevice::WriteOnly);
    const QByteArray piece(4 << 10, '\0');
    QTimer grow;
    QObject::connect(&grow, &QTimer::timeout, &grow, [&] {
        incomplete.write(piece);
        incomplete.flush();
    });
    grow.start(100);
    const auto idle = [](bool watch, const QString &cacheFolder, const QString &address) {
        BrewDownloadWatcher watcher(cacheFolder, nullptr);
        int readings = 0;
        QObject::connect(&watcher, &BrewDownloadWatcher::progressed, &watcher, [&readings] { ++readings; });
        if (watch)
            watcher.observe(u"==> Downloading "_s + address);
        QElapsedTimer wall;
        wall.start();
        const double before = processCpuMs();
        while (wall.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return std::pair { (processCpuMs() - before) / double(wall.elapsed()) * 100.0, readings };
    };
    const auto [without, none] = idle(false, cache.path(), url);
    const auto [with, readings] = idle(true, cache.path(), url);
    grow.stop();
    std::printf(
        "Homebrew route: %d readings in 3 s; %.2f %% of one core with the watcher, %.2f %% (and %d readings) without "
        "the watcher, the file growing all along\n",
        readings, with, without, none);

    std::sort(overheads.begin(), overheads.end());
    std::printf("ratio=%.4f\n", overheads[overheads.size() / 2] / 100.0);
    serverThread.quit();
    serverThread.wait();
    return 0;
}
