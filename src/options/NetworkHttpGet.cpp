#include "options/NetworkHttpGet.h"

#include "common/Product.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray requestFor(const QUrl &url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QUrl server = url;
    server.setUserInfo(QString());
    return "GET " + target + " HTTP/1.0\r\n"
           "Host: " + server.authority(QUrl::FullyEncoded).toLatin1() + "\r\n"
           "Accept: text/html, */*\r\n"
           "User-Agent: Tessera/" + Product::SW_Version.toLatin1() + "\r\n"
           "\r\n";
}

} // namespace

HttpAnswerState parseHttpAnswer(const QByteArray &received, bool closed, QByteArray *body, QString *error)
{
    qsizetype headerEnd = received.indexOf("\r\n\r\n");
    qsizetype bodyStart = headerEnd + 4;
    if (headerEnd < 0) {
        headerEnd = received.indexOf("\n\n");
        bodyStart = headerEnd + 2;
    }
    if (headerEnd < 0) {
        if (!closed)
            return HttpAnswerState::Incomplete;
        *error = received.isEmpty() ? QStringLiteral("the server closed the connection without an answer")
                                    : QStringLiteral("the answer ends inside its header");
        return HttpAnswerState::Failed;
    }

    const QList<QByteArray> lines = received.left(headerEnd).split('\n');
    const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
    bool numeric = false;
    const int status = statusLine.size() >= 2 ? statusLine.at(1).toInt(&numeric) : 0;
    if (!statusLine.first().startsWith("HTTP/") || !numeric) {
        *error = QStringLiteral("not an HTTP answer");
        return HttpAnswerState::Failed;
    }
    if (status < 200 || status > 299) {
        *error = QStringLiteral("the server answered with status %1").arg(status);
        return HttpAnswerState::Failed;
    }

    qsizetype contentLength = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            bool ok = false;
            contentLength = value.toLongLong(&ok);
            if (!ok || contentLength < 0) {
                *error = QStringLiteral("the answer has an unusable Content-Length");
                return HttpAnswerState::Failed;
            }
        } else if (name == "transfer-encoding" && value.toLower() != "identity") {
            *error = QStringLiteral("the answer uses a transfer encoding this client does not read");
            return HttpAnswerState::Failed;
        }
    }

    const qsizetype available = received.size() - bodyStart;
    if (contentLength >= 0 && available >= contentLength) {
        *body = received.mid(bodyStart, contentLength);
        return HttpAnswerState::Done;
    }
    if (!closed)
        return HttpAnswerState::Incomplete;
    if (contentLength >= 0) {
        *error = QStringLiteral("the answer was cut short");
        return HttpAnswerState::Failed;
    }
    *body = received.mid(bodyStart);
    return HttpAnswerState::Done;
}

bool NetworkHttpGet::get(const QUrl &url, int timeoutMs, QByteArray *body, QString *error)
{
    body->clear();
    if (!url.isValid() || url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 || url.host().isEmpty()) {
        *error = QStringLiteral("not an http address: %1").arg(url.toString());
        return false;
    }

    QTcpSocket socket;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QByteArray received;
    QByteArray answer;
    HttpAnswerState state = HttpAnswerState::Incomplete;

    const auto finish = [&](HttpAnswerState s, const QString &why) {
        if (state != HttpAnswerState::Incomplete)
            return;
        state = s;
        if (s == HttpAnswerState::Failed)
            *error = why;
        loop.quit();
    };
    const auto examine = [&](bool closed) {
        received += socket.readAll();
        if (received.size() > Max_Answer_Size) {
            finish(HttpAnswerState::Failed, QStringLiteral("the answer is longer than %1 bytes").arg(Max_Answer_Size));
            return;
        }
        QString why;
        const HttpAnswerState s = parseHttpAnswer(received, closed, &answer, &why);
        if (s != HttpAnswerState::Incomplete)
            finish(s, why);
    };

    const QByteArray request = requestFor(url);
    QObject::connect(&socket, &QTcpSocket::connected, &loop, [&] { socket.write(request); });
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] { examine(false); });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, [&] { examine(true); });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError)
            examine(true);
        else
            finish(HttpAnswerState::Failed, socket.errorString());
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        finish(HttpAnswerState::Failed, QStringLiteral("no answer within %1 ms").arg(timeoutMs));
    });

    deadline.start(timeoutMs);
    socket.connectToHost(url.host(), quint16(url.port(80)));
    if (state == HttpAnswerState::Incomplete)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    socket.disconnect();
    socket.abort();
    if (state != HttpAnswerState::Done)
        return false;
    *body = answer;
    return true;
}
