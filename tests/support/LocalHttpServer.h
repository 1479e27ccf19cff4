#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QUrl>

#include <optional>

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

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // http://127.0.0.1:<port> followed by path ("/repos/a/b").
    QUrl url(const QString &path = {}) const;

    // Answers for a path; the rest get 404. cutAfter >= 0 announces the whole body but closes the
    // connection after that many bytes of it.
    void serve(const QByteArray &path, const QByteArray &body, int status = 200,
        const QByteArray &contentType = "application/json", qint64 cutAfter = -1);
    // A file to download, served the ways real servers do: slowly, without its size, dropping the
    // connection part way, honouring a range request (If-Range checked against its ETag) or not.
    struct Download
    {
        QByteArray body;
        qint64 cutAfter = -1; // >= 0: the first `cuts` answers close after this many bytes of body
        int cuts = 1;
        bool sendLength = true;
        bool honourRange = false;
        QByteArray etag; // sent as ETag when set
        int chunk = 0; // > 0: the body goes out chunk bytes every delayMs
        int delayMs = 0;
    };
    void serve(const QByteArray &path, const Download &download);
    void redirect(const QByteArray &path, const QUrl &location);
    // Reads the request, then never answers.
    void hang(const QByteArray &path);

    // The requests for path so far, or all of them for an empty path.
    QList<Request> requests(const QByteArray &path = {}) const;

private:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray header; // lines besides Content-Length and Connection
        qint64 cutAfter = -1;
        bool hang = false;
        std::optional<Download> download;
    };
    void answerDownload(QTcpSocket *socket, const Request &request, const Download &download, int answer);
    void start();
    void readFrom(QTcpSocket *socket, QByteArray *buffer);

    QThread m_thread;
    QObject m_context; // lives on m_thread; the server's objects hang off it
    QTcpServer *m_server = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QHash<QByteArray, Response> m_responses;
    QList<Request> m_requests;
    QHash<QByteArray, int> m_answered; // per path
};
