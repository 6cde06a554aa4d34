#include "common/net/HttpClient.h"

#include "common/net/PendingGet.h"

#include <QNetworkProxyFactory>
#include <QSaveFile>

namespace kiv5::net {
namespace {

// The system's proxy settings for this client only, not for the whole
// application.
class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

HttpOutcome Refused(const QString& error) {
    HttpOutcome out;
    out.error = error;
    return out;
}

} // namespace

HttpClient::HttpClient(HttpOptions options) : options_(std::move(options)) {
    manager_.setProxyFactory(new SystemProxyFactory);
}

FetchResult HttpClient::FetchStart(const QUrl& url, qint64 maxBytes) {
    FetchResult result;
    const auto collect = [&result, maxBytes](const QByteArray& piece, const HttpOutcome&,
                                             QString&) {
        result.body.append(piece.left(maxBytes - result.body.size()));
        return result.body.size() >= maxBytes ? ChunkAnswer::Enough : ChunkAnswer::More;
    };
    static_cast<HttpOutcome&>(result) =
        RunGet(manager_, url, options_, TimeoutSpan::WholeRequest, collect);
    return result;
}

HttpOutcome HttpClient::Download(const QUrl& url, const QString& target,
                                 const DownloadProgress& progress) {
    // QSaveFile writes beside the target and renames only on commit; a file
    // never committed is removed.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return Refused(QStringLiteral("%1 cannot be created: %2").arg(target, file.errorString()));
    }
    const auto write = [&](const QByteArray& piece, const HttpOutcome& sofar, QString& error) {
        if (file.write(piece) != piece.size()) {
            error = QStringLiteral("%1 cannot be written: %2").arg(target, file.errorString());
            return ChunkAnswer::Fail;
        }
        if (progress) {
            progress(sofar.received, sofar.announced);
        }
        return ChunkAnswer::More;
    };
    HttpOutcome out = RunGet(manager_, url, options_, TimeoutSpan::EachWait, write);
    if (!out.ok) {
        file.cancelWriting();
        return out;
    }
    if (!file.commit()) {
        out.ok = false;
        out.error = QStringLiteral("%1 cannot be written: %2").arg(target, file.errorString());
    }
    return out;
}

} // namespace kiv5::net
