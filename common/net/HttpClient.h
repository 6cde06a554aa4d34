#pragma once

// Plain HTTP GETs that never wait without end: every request gives up when
// nothing arrives for the timeout (while connecting and between reads), and
// waits in a local event loop that repaints windows but runs no user input.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

namespace kiv5::net {

struct HttpOptions {
    QByteArray userAgent = "KIV5";
    std::chrono::milliseconds timeout{10000};
};

// What came of a request.
struct HttpOutcome {
    bool ok = false;
    // The HTTP status; 0 when no answer came (no connection, a timeout
    // before the answer's head).
    int status = 0;
    // Why it failed, in words; empty when ok.
    QString error;
    // The body's length as the server announced it; -1 when it did not.
    qint64 announced = -1;
    qint64 received = 0;

    // An answer came, whether good or not.
    bool Answered() const { return status != 0; }
};

struct FetchResult : HttpOutcome {
    QByteArray body;
};

// Bytes received so far and the announced length (-1 when unknown).
using DownloadProgress = std::function<void(qint64 received, qint64 announced)>;

class HttpClient {
public:
    // Connections use the system's proxy settings.
    explicit HttpClient(HttpOptions options = {});
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    void SetTimeout(std::chrono::milliseconds timeout) { options_.timeout = timeout; }
    const HttpOptions& Options() const { return options_; }

    // GETs the start of a resource: at most maxBytes of its body (the rest
    // is not waited for). Fails on an error status. The timeout limits the
    // whole request, not only each wait.
    FetchResult FetchStart(const QUrl& url, qint64 maxBytes);

    // GETs a resource into a file: written to a temporary file in the
    // target's folder and renamed over the target only when the body is
    // complete. On any failure (error status, connection, timeout, a body
    // shorter than announced, the file) the target is as it was and no
    // temporary file stays.
    HttpOutcome Download(const QUrl& url, const QString& target,
                         const DownloadProgress& progress = {});

private:
    HttpOptions options_;
    QNetworkAccessManager manager_;
};

} // namespace kiv5::net
