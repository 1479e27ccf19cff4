#include "support/LocalHttpServer.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 chunkSize = 64 * 1024;
constexpr qint64 maxHeaderBytes = 64 * 1024;

} // namespace

struct LocalHttpServer::Connection
{
    QByteArray buffer;
    qint64 remaining = 0; // of a streamed body
    qint64 offset = 0;
    qint64 cutAt = -1; // offset at which the connection is dropped
};

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

void LocalHttpServer::setResponse(const QByteArray &path, const Response &response)
{
    QMutexLocker lock(&m_mutex);
    m_responses.insert(path, response);
}

void LocalHttpServer::serve(const QByteArray &path, const QByteArray &body, int status, const QByteArray &contentType)
{
    setResponse(path, Response { status, body, { { "Content-Type", contentType } }, -1, false, -1 });
}

void LocalHttpServer::serveLarge(const QByteArray &path, qint64 bytes)
{
    setResponse(path, Response { 200, {}, { { "Content-Type", "application/octet-stream" } }, bytes, false, -1 });
}

void LocalHttpServer::hang(const QByteArray &path)
{
    setResponse(path, Response { 200, {}, {}, -1, true, -1 });
}

void LocalHttpServer::redirect(const QByteArray &path, const QUrl &location, int status)
{
    setResponse(path, Response { status, {}, { { "Location", location.toEncoded() } }, -1, false, -1 });
}

void LocalHttpServer::serveCutShort(const QByteArray &path, const QByteArray &body, qint64 bytes)
{
    setResponse(path, Response { 200, body, { { "Content-Type", "application/zip" } }, -1, false, bytes });
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

QByteArray LocalHttpServer::largeBody(qint64 offset, qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (qint64 i = 0; i < length; ++i)
        bytes[i] = char((offset + i) % 251);
    return bytes;
}

void LocalHttpServer::start()
{
    m_server = new QTcpServer(&m_context);
    if (m_server->listen(QHostAddress::LocalHost))
        m_port = m_server->serverPort();
    QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] { accept(); });
}

void LocalHttpServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto connection = std::make_shared<Connection>();
        QObject::connect(
            socket, &QTcpSocket::readyRead, socket, [this, socket, connection] { readFrom(socket, connection.get()); });
        QObject::connect(
            socket, &QTcpSocket::bytesWritten, socket, [socket, connection] { pump(socket, connection.get()); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalHttpServer::readFrom(QTcpSocket *socket, Connection *connection)
{
    connection->buffer.append(socket->readAll());
    const qsizetype headerEnd = connection->buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (connection->buffer.size() > maxHeaderBytes)
            socket->abort();
        return;
    }
    Request request;
    const QList<QByteArray> lines = connection->buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    request.path
        = request.target.left(request.target.indexOf('?') < 0 ? request.target.size() : request.target.indexOf('?'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const qint64 length = request.headers.value("content-length", "0").toLongLong();
    if (connection->buffer.size() - (headerEnd + 4) < length)
        return; // the body is still on its way
    request.body = connection->buffer.mid(headerEnd + 4, length);
    connection->buffer.clear();
    // One request per connection: nothing more is read from this socket.
    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
    {
        QMutexLocker lock(&m_mutex);
        m_requests.append(request);
    }
    const Response response = responseFor(request);
    connection->remaining = answer(socket, response);
    connection->cutAt = response.dropAfter;
    pump(socket, connection);
}

LocalHttpServer::Response LocalHttpServer::responseFor(const Request &request) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_responses.constFind(request.target);
    if (it != m_responses.constEnd())
        return *it;
    return m_responses.value(request.path, Response { 404, "not found", {}, -1, false, -1 });
}

// Writes the answer, or its head only for a streamed body; returns how much body is left to stream.
qint64 LocalHttpServer::answer(QTcpSocket *socket, const Response &response)
{
    if (response.hang)
        return 0;
    const qint64 length = response.streamedBytes >= 0 ? response.streamedBytes : response.body.size();
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    for (const auto &[name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    head += "Content-Length: " + QByteArray::number(length) + "\r\nConnection: close\r\n\r\n";
    socket->write(head);
    if (response.streamedBytes > 0)
        return response.streamedBytes;
    socket->write(response.dropAfter >= 0 ? response.body.left(response.dropAfter) : response.body);
    socket->disconnectFromHost(); // after the pending bytes are written
    return 0;
}

// Writes the next chunks of a streamed body while the client keeps reading, so a large body never
// sits in memory whole.
void LocalHttpServer::pump(QTcpSocket *socket, Connection *connection)
{
    if (connection->remaining <= 0)
        return;
    while (connection->remaining > 0 && socket->bytesToWrite() < 4 * chunkSize) {
        qint64 length = qMin(chunkSize, connection->remaining);
        if (connection->cutAt >= 0)
            length = qMin(length, connection->cutAt - connection->offset);
        if (length <= 0) {
            // Let what was written go out, then drop the connection before the body is complete.
            connection->remaining = 0;
            socket->disconnectFromHost();
            return;
        }
        socket->write(largeBody(connection->offset, length));
        connection->offset += length;
        connection->remaining -= length;
    }
    if (connection->remaining == 0)
        socket->disconnectFromHost();
}
