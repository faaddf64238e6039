#pragma once

#include "options/HttpGet.h"

// HTTP/1.0 GET over a TCP socket: one request per connection, no cookies, no
// redirects followed. The caller's thread waits in a local event loop that
// leaves user input alone, so windows repaint but cannot be clicked meanwhile.
class NetworkHttpGet : public HttpGet
{
public:
    bool get(const QUrl &url, int timeoutMs, QByteArray *body, QString *error) override;

    // The longest answer accepted, header included; the version answer is a few bytes.
    static constexpr qsizetype Max_Answer_Size = 64 * 1024;
};

// Where an answer stands after the bytes received so far.
enum class HttpAnswerState { Incomplete, Done, Failed };

// Reads the answer to an HTTP/1.0 GET. closed tells whether the server has
// closed the connection (the end of a body without Content-Length). A status
// other than 2xx, a body cut short or a chunked body is Failed with *error set;
// Done sets *body.
HttpAnswerState parseHttpAnswer(const QByteArray &received, bool closed, QByteArray *body, QString *error);
