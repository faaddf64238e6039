#include "LoopbackHttpServer.h"

#include "common/Product.h"

#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(QByteArray answer, bool silent)
    : m_answer(std::move(answer))
    , m_silent(silent)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                QByteArray &received = m_received[socket];
                const bool headerBefore = received.contains("\r\n\r\n");
                received += socket->readAll();
                const qsizetype end = received.indexOf("\r\n\r\n");
                if (headerBefore || end < 0)
                    return;
                requests.append(received.left(end + 4));
                if (m_silent)
                    return;
                socket->write(m_answer);
                socket->disconnectFromHost();
            });
        }
    });
}

QUrl LoopbackHttpServer::versionUrl() const
{
    QUrl url = Product::versionCheckUrl();
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port());
    return url;
}

QByteArray LoopbackHttpServer::reply(int status, const QByteArray &body, const QByteArray &extraHeaders)
{
    return "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n"
           "Content-Type: text/html\r\n" + extraHeaders + "\r\n" + body;
}

quint16 closedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
