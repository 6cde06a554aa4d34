#include "common/net/PendingGet.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace kiv5::net {
namespace {

QString TimeoutText(std::chrono::milliseconds timeout) {
    return QStringLiteral("The server did not answer within %1 seconds.")
        .arg(QString::number(double(timeout.count()) / 1000.0));
}

QNetworkRequest MakeRequest(const QUrl& url, const HttpOptions& options) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, options.userAgent);
    // Uncompressed, so that the bytes received compare with the announced
    // length.
    request.setRawHeader("Accept-Encoding", "identity");
    return request;
}

bool IsGoodStatus(int status) {
    return status >= 200 && status < 300;
}

// The state of one running request.
class Run {
public:
    Run(QNetworkReply& reply, const HttpOptions& options, TimeoutSpan span,
        const ChunkHandler& onPiece)
        : reply_(reply), options_(options), span_(span), onPiece_(onPiece) {
        // The loop is the context of every connection: none outlives the run.
        for (QTimer* timer : {&idle_, &whole_}) {
            timer->setSingleShot(true);
            timer->setInterval(options.timeout);
            QObject::connect(timer, &QTimer::timeout, &loop_, [this] {
                timedOut_ = true;
                reply_.abort();
            });
        }
        QObject::connect(&reply_, &QNetworkReply::metaDataChanged, &loop_, [this] { ReadHead(); });
        QObject::connect(&reply_, &QNetworkReply::readyRead, &loop_, [this] { ReadBody(); });
        QObject::connect(&reply_, &QNetworkReply::finished, &loop_, &QEventLoop::quit);
    }

    HttpOutcome Wait() {
        idle_.start();
        if (span_ == TimeoutSpan::WholeRequest) {
            whole_.start();
        }
        if (!reply_.isFinished()) {
            loop_.exec(QEventLoop::ExcludeUserInputEvents);
        }
        ReadHead();
        if (!stopped_ && !timedOut_ && reply_.bytesAvailable() > 0) {
            ReadBody();
        }
        idle_.stop();
        whole_.stop();
        return Outcome();
    }

private:
    // Read again at every sign of life: a redirection's head comes first.
    void ReadHead() {
        idle_.start();
        outcome_.status = reply_.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply_.header(QNetworkRequest::ContentLengthHeader);
        outcome_.announced = length.isValid() ? length.toLongLong() : -1;
    }

    void ReadBody() {
        ReadHead();
        const QByteArray piece = reply_.readAll();
        if (stopped_ || !IsGoodStatus(outcome_.status)) {
            return;
        }
        outcome_.received += piece.size();
        switch (onPiece_(piece, outcome_, handlerError_)) {
        case ChunkAnswer::More:
            return;
        case ChunkAnswer::Enough:
            stopped_ = true;
            break;
        case ChunkAnswer::Fail:
            stopped_ = true;
            failed_ = true;
            break;
        }
        reply_.abort();
    }

    HttpOutcome Outcome() {
        HttpOutcome out = outcome_;
        if (failed_) {
            out.error = handlerError_;
        } else if (stopped_) {
            out.ok = true;
        } else if (timedOut_) {
            out.error = TimeoutText(options_.timeout);
        } else if (out.status != 0 && !IsGoodStatus(out.status)) {
            out.error =
                QStringLiteral("The server answered %1 %2.")
                    .arg(out.status)
                    .arg(reply_.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
        } else if (reply_.error() != QNetworkReply::NoError) {
            out.error = reply_.errorString();
        } else if (out.status == 0) {
            out.error = QStringLiteral("The server gave no HTTP answer.");
        } else if (out.announced >= 0 && out.received != out.announced) {
            out.error = QStringLiteral("The server sent %1 of the %2 bytes it announced.")
                            .arg(out.received)
                            .arg(out.announced);
        } else {
            out.ok = true;
        }
        return out;
    }

    QNetworkReply& reply_;
    const HttpOptions& options_;
    TimeoutSpan span_;
    const ChunkHandler& onPiece_;
    QEventLoop loop_;
    QTimer idle_;
    QTimer whole_;
    HttpOutcome outcome_;
    QString handlerError_;
    bool timedOut_ = false;
    bool stopped_ = false;
    bool failed_ = false;
};

} // namespace

HttpOutcome RunGet(QNetworkAccessManager& manager, const QUrl& url, const HttpOptions& options,
                   TimeoutSpan span, const ChunkHandler& onPiece) {
    const std::unique_ptr<QNetworkReply> reply(manager.get(MakeRequest(url, options)));
    Run run(*reply, options, span, onPiece);
    return run.Wait();
}

} // namespace kiv5::net
