#include "support/LocalHttpServer.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

LocalHttpServer::LocalHttpServer()
{
    m_context.moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(
        &m_context, [this] { start(); }, Qt::BlockingQueuedConnection);
}

LocalHttpServer::~LocalHttpServer()
{
    QThread *owner = QThread::currentThread();
    QMetaObject::invokeMethod(
        &m_context,
        [this, owner] {
            delete m_server; // and with it every open connection
            m_context.moveToThread(owner);
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(u"http://127.0.0.1:%1%2"_s.arg(m_port).arg(path));
}

void LocalHttpServer::serve(
    const QByteArray &path, const QByteArray &body, int status, const QByteArray &contentType, qint64 cutAfter)
{
    QMutexLocker lock(&m_mutex);
    m_responses.insert(path, Response { status, body, "Content-Type: " + contentType + "\r\n", cutAfter, false, {} });
}

void LocalHttpServer::serve(const QByteArray &path, const Download &download)
{
    QMutexLocker lock(&m_mutex);
    Response response;
    response.download = download;
    m_responses.insert(path, response);
}

void LocalHttpServer::redirect(const QByteArray &path, const QUrl &location)
{
    QMutexLocker lock(&m_mutex);
    m_responses.insert(path, Response { 302, {}, "Location: " + location.toEncoded() + "\r\n", -1, false, {} });
}

void LocalHttpServer::hang(const QByteArray &path)
{
    QMutexLocker lock(&m_mutex);
    m_responses.insert(path, Response { 200, {}, {}, -1, true, {} });
}

QList<LocalHttpServer::Request> LocalHttpServer::requests(const QByteArray &path) const
{
    QMutexLocker lock(&m_mutex);
    QList<Request> matching;
    for (const Request &request : m_requests) {
        if (path.isEmpty() || request.path == path)
            matching.append(request);
    }
    return matching;
}

void LocalHttpServer::start()
{
    m_server = new QTcpServer(&m_context);
    if (m_server->listen(QHostAddress::LocalHost))
        m_port = m_server->serverPort();
    QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(
                socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] { readFrom(socket, buffer.get()); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void LocalHttpServer::readFrom(QTcpSocket *socket, QByteArray *buffer)
{
    buffer->append(socket->readAll());
    const qsizetype headerEnd = buffer->indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    Request request;
    const QList<QByteArray> lines = buffer->left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    request.path = request.target.split('?').value(0);
    for (const QByteArray &line : lines.mid(1)) {
        if (const qsizetype colon = line.indexOf(':'); colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const qint64 length = request.headers.value("content-length", "0").toLongLong();
    if (buffer->size() - (headerEnd + 4) < length)
        return; // the body is still on its way
    request.body = buffer->mid(headerEnd + 4, length);
    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
    Response response { 404, "not found", {}, -1, false, {} };
    int answer = 0;
    {
        QMutexLocker lock(&m_mutex);
        m_requests.append(request);
        response = m_responses.value(request.path, response);
        answer = m_answered[request.path]++;
    }
    if (response.download) {
        answerDownload(socket, request, *response.download, answer);
        return;
    }
    if (response.hang)
        return;
    socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n" + response.header
        + "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n");
    socket->write(response.cutAfter >= 0 ? response.body.left(response.cutAfter) : response.body);
    socket->disconnectFromHost(); // after the pending bytes are written
}

void LocalHttpServer::answerDownload(QTcpSocket *socket, const Request &request, const Download &download, int answer)
{
    const QByteArray &body = download.body;
    qint64 first = 0;
    const QByteArray range = request.headers.value("range");
    const QByteArray ifRange = request.headers.value("if-range");
    // As RFC 9110 says: the range only when the validator still names this copy.
    if (download.honourRange && range.startsWith("bytes=") && range.endsWith('-')
        && (ifRange.isEmpty() || (!download.etag.isEmpty() && ifRange == download.etag)))
        first = qBound<qint64>(0, range.mid(6).chopped(1).toLongLong(), body.size());
    QByteArray header = first > 0 ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    header += "Content-Type: application/zip\r\nConnection: close\r\n";
    if (!download.etag.isEmpty())
        header += "ETag: " + download.etag + "\r\n";
    if (first > 0)
        header += "Content-Range: bytes " + QByteArray::number(first) + '-' + QByteArray::number(body.size() - 1) + '/'
            + QByteArray::number(body.size()) + "\r\n";
    if (download.sendLength)
        header += "Content-Length: " + QByteArray::number(body.size() - first) + "\r\n";
    socket->write(header + "\r\n");
    if (request.method == "HEAD") {
        socket->disconnectFromHost();
        return;
    }
    // A drop comes a moment after the last bytes, as on a real network (closed at once, Qt would
    // quietly send the request again). With the length announced, the client sees it as a drop.
    const bool cut = download.cutAfter >= 0 && answer < download.cuts;
    auto left = std::make_shared<QByteArray>(cut ? body.mid(first, download.cutAfter) : body.mid(first));
    const qsizetype chunk = download.chunk > 0 ? download.chunk : qMax<qsizetype>(left->size(), 1);
    auto *timer = new QTimer(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [timer, left, socket, cut, chunk] {
        socket->write(left->left(chunk));
        left->remove(0, qMin(chunk, left->size()));
        if (left->isEmpty()) {
            timer->stop();
            QTimer::singleShot(cut ? 50 : 0, socket, [socket] { socket->disconnectFromHost(); });
        }
    });
    timer->start(download.delayMs);
}
