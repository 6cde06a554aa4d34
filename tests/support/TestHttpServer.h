#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the tests of network code, plain
// or over TLS with a certificate made for the test. It runs
// in the test's own thread: the code under test waits in an event loop, which
// serves the server's sockets too. Each path gets a response set by the test;
// other paths get 404. Every request is recorded.
//
// Header-only on purpose: the test support library links no network module,
// so only the tests that include this (and link Qt Network through the code
// they test) compile it.

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <optional>

namespace kiv5::test {

struct TestHttpResponse {
    int status = 200;
    QByteArray body;
    // The Content-Length sent: the body's size when -2, none when -1 (the
    // body then ends when the connection closes).
    qint64 announced = -2;
    // Sends only this many bytes of the body, then closes; all when -1.
    qint64 sendOnly = -1;
    // Accepts the connection and the request, then never answers.
    bool stall = false;
    // Keeps the connection open after what it sent, saying nothing more.
    bool hold = false;
    // Sends the body one byte at a time, one every this many milliseconds.
    int trickleMs = 0;
};

struct TestHttpRequest {
    QByteArray method;
    QByteArray path;
    QByteArray userAgent;
};

class TestHttpServer {
public:
    // Plain HTTP, or HTTPS with that configuration (see LocalTls).
    explicit TestHttpServer(const std::optional<QSslConfiguration>& tls = std::nullopt)
        : secure_(tls.has_value()) {
        if (tls) {
            auto* server = new QSslServer;
            server->setSslConfiguration(*tls);
            server_.reset(server);
        } else {
            server_ = std::make_unique<QTcpServer>();
        }
        // Over TLS a connection is pending once its handshake is done.
        QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, server_.get(),
                         [this] { Accept(); });
        server_->listen(QHostAddress(QHostAddress::LocalHost));
    }

    // A key and a certificate for 127.0.0.1 made with the openssl command in
    // that folder, and trusted by this process's connections from then on.
    // Nothing when there is no openssl command or no TLS support.
    static std::optional<QSslConfiguration> LocalTls(const QString& folder) {
        if (!QSslSocket::supportsSsl()) {
            return std::nullopt;
        }
        QProcess openssl;
        openssl.setWorkingDirectory(folder);
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "key.pem",
                       "-out", "cert.pem", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                       "subjectAltName=IP:127.0.0.1"});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0) {
            return std::nullopt;
        }
        QFile keyFile(folder + "/key.pem");
        QFile certFile(folder + "/cert.pem");
        if (!keyFile.open(QIODevice::ReadOnly) || !certFile.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        const QSslKey key(keyFile.readAll(), QSsl::Rsa);
        const QSslCertificate certificate(certFile.readAll());
        if (key.isNull() || certificate.isNull()) {
            return std::nullopt;
        }
        QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
        trusted.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(trusted);
        QSslConfiguration server = QSslConfiguration::defaultConfiguration();
        server.setLocalCertificate(certificate);
        server.setPrivateKey(key);
        server.setPeerVerifyMode(QSslSocket::VerifyNone);
        return server;
    }
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool IsListening() const { return server_->isListening(); }
    // "http://127.0.0.1:port" or "https://…", without a trailing slash.
    QString Base() const {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(secure_ ? "https" : "http")
            .arg(server_->serverPort());
    }

    void Serve(const QByteArray& path, const TestHttpResponse& response) {
        responses_[path] = response;
    }
    void Serve(const QByteArray& path, const QByteArray& body) {
        TestHttpResponse response;
        response.body = body;
        Serve(path, response);
    }

    QList<TestHttpRequest> requests;

private:
    void Accept() {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            socket->setParent(server_.get());
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { Read(*socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (socket->bytesAvailable() > 0) {
                Read(*socket);
            }
        }
    }

    void Read(QTcpSocket& socket) {
        QByteArray& buffer = pending_[&socket];
        buffer += socket.readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            return;
        }
        const TestHttpRequest request = Parse(buffer.left(end));
        pending_.remove(&socket);
        requests.append(request);
        Answer(socket, responses_.value(request.path, NotFound()));
    }

    static TestHttpRequest Parse(const QByteArray& head) {
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        TestHttpRequest request{first.value(0), first.value(1), {}};
        for (const QByteArray& line : lines) {
            if (line.toLower().startsWith("user-agent:")) {
                request.userAgent = line.mid(11).trimmed();
            }
        }
        return request;
    }

    static TestHttpResponse NotFound() {
        TestHttpResponse response;
        response.status = 404;
        response.body = "<html><body>Not Found</body></html>";
        return response;
    }

    static QByteArray Reason(int status) {
        switch (status) {
        case 200:
            return "OK";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
        }
    }

    static void Answer(QTcpSocket& socket, const TestHttpResponse& response) {
        if (response.stall) {
            return;
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                          Reason(response.status) + "\r\nConnection: close\r\n";
        const qint64 announced =
            response.announced == -2 ? response.body.size() : response.announced;
        if (announced >= 0) {
            head += "Content-Length: " + QByteArray::number(announced) + "\r\n";
        }
        socket.write(head + "\r\n");
        const QByteArray body =
            response.sendOnly < 0 ? response.body : response.body.left(response.sendOnly);
        if (response.trickleMs > 0) {
            Trickle(socket, body, response.trickleMs);
            return;
        }
        socket.write(body);
        if (!response.hold) {
            socket.disconnectFromHost();
        }
    }

    static void Trickle(QTcpSocket& socket, const QByteArray& body, int intervalMs) {
        auto* timer = new QTimer(&socket);
        timer->setInterval(intervalMs);
        QObject::connect(timer, &QTimer::timeout, &socket,
                         [&socket, timer, body, sent = 0]() mutable {
                             if (sent < body.size()) {
                                 socket.write(body.mid(sent++, 1));
                                 return;
                             }
                             timer->stop();
                             socket.disconnectFromHost();
                         });
        timer->start();
    }

    bool secure_ = false;
    QMap<QByteArray, TestHttpResponse> responses_;
    QMap<QTcpSocket*, QByteArray> pending_;
    // Last: its sockets go before the maps their handlers use.
    std::unique_ptr<QTcpServer> server_;
};

} // namespace kiv5::test
