#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QUrl>

#include <memory>

class QTcpServer;
class QTcpSocket;

// The loopback HTTP/1.1 server of every test that talks to the network (GitHub, downloads,
// analytics): canned answers per path, every request recorded. It runs on its own thread, so it
// answers while the test's thread waits, and a client that blocks its caller shows up. One request
// per connection.
class LocalHttpServer
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query as sent
        QByteArray path; // without the query
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    struct Response
    {
        int status = 200;
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers; // besides Content-Length and Connection
        qint64 streamedBytes = -1; // >= 0: a generated body of this size, written as the client reads
        bool hang = false; // read the request, then never answer
        // >= 0: announce the whole body (given or streamed), send this many bytes of it, then close
        qint64 dropAfter = -1;
    };

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // http://127.0.0.1:<port> followed by path ("/repos/a/b").
    QUrl url(const QString &path = {}) const;

    // The full target with its query is matched first, then the path alone; the rest get 404.
    void serve(const QByteArray &path, const QByteArray &body, int status = 200,
        const QByteArray &contentType = "application/json");
    void serveLarge(const QByteArray &path, qint64 bytes);
    void hang(const QByteArray &path);
    void redirect(const QByteArray &path, const QUrl &location, int status = 302);
    // Announces body but closes the connection after its first bytes.
    void serveCutShort(const QByteArray &path, const QByteArray &body, qint64 bytes);

    // The requests for path so far, or all of them for an empty path.
    QList<Request> requests(const QByteArray &path = {}) const;

    // The bytes serveLarge sends at offset: a pattern that shows a lost or repeated chunk.
    static QByteArray largeBody(qint64 offset, qint64 length);

private:
    struct Connection;
    void setResponse(const QByteArray &path, const Response &response);
    void start();
    void accept();
    void readFrom(QTcpSocket *socket, Connection *connection);
    Response responseFor(const Request &request) const;
    qint64 answer(QTcpSocket *socket, const Response &response);
    static void pump(QTcpSocket *socket, Connection *connection);

    QThread m_thread;
    QObject m_context; // lives on m_thread; the server's objects hang off it
    QTcpServer *m_server = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QHash<QByteArray, Response> m_responses;
    QList<Request> m_requests;
};
