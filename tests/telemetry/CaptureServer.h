#pragma once

#include <QHash>
#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

#include <functional>

// A loopback HTTP endpoint that records every request it receives. It runs on a thread of its own,
// so a client that blocked its caller while sending would be caught. When told not to answer, it
// keeps each connection open and silent.
class CaptureServer
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query as sent
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    explicit CaptureServer(bool answers = true)
        : m_answers(answers)
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context, [this] { start(); }, Qt::BlockingQueuedConnection);
    }

    ~CaptureServer()
    {
        QThread *owner = QThread::currentThread();
        QMetaObject::invokeMethod(
            &m_context,
            [this, owner] {
                delete m_server;
                m_context.moveToThread(owner); // back home, to be destroyed with this object
            },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port)); }

    QList<Request> requests() const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

    // Called on the server's thread as each complete request arrives.
    void setOnRequest(std::function<void(const Request &)> callback)
    {
        QMutexLocker lock(&m_mutex);
        m_onRequest = std::move(callback);
    }

private:
    void start()
    {
        m_server = new QTcpServer;
        m_server->listen(QHostAddress::LocalHost);
        m_port = m_server->serverPort();
        QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        });
    }

    // Unread bytes stay in the socket until the whole request is there.
    void read(QTcpSocket *socket)
    {
        const QByteArray buffer = socket->peek(socket->bytesAvailable());
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (const QByteArray &line : lines.mid(1))
            if (const qsizetype colon = line.indexOf(':'); colon > 0)
                request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        const qsizetype length = request.headers.value("content-length", "0").toLongLong();
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        socket->skip(end + 4 + length);
        std::function<void(const Request &)> callback;
        {
            QMutexLocker lock(&m_mutex);
            m_requests.append(request);
            callback = m_onRequest;
        }
        if (callback)
            callback(request);
        if (m_answers) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 13\r\n"
                          "Connection: close\r\n\r\n{\"status\": 1}");
            socket->disconnectFromHost();
        }
    }

    const bool m_answers;
    QThread m_thread;
    QObject m_context;
    QTcpServer *m_server = nullptr; // lives on m_thread; sockets are its children
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QList<Request> m_requests;
    std::function<void(const Request &)> m_onRequest;
};
