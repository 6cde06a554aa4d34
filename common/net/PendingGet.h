#pragma once

// One GET request waited for in a local event loop that repaints windows but
// runs no user input. A timer restarted by every sign of life (the answer's
// head, each piece of the body) ends a request that stalls.

#include "common/net/HttpClient.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <functional>

namespace kiv5::net {

enum class ChunkAnswer {
    More,   // go on reading
    Enough, // stop here: the request succeeded with what was read
    Fail    // stop here: the request failed for the reason set
};

// Gets each piece of a good answer's body as it arrives, with the state of
// the request so far (status, announced length, bytes received with this
// piece).
using ChunkHandler =
    std::function<ChunkAnswer(const QByteArray& piece, const HttpOutcome& sofar, QString& error)>;

// How long the timeout limits: each wait for a sign of life, or in addition
// the whole request (for small resources, so that a server sending a byte at
// a time cannot hold the caller longer than the timeout).
enum class TimeoutSpan { EachWait, WholeRequest };

// Runs the request to its end; the handler sees only the body of an answer
// with a 2xx status. Fails on a connection error, a timeout, another status,
// a body shorter than its announced length, or the handler's Fail.
HttpOutcome RunGet(QNetworkAccessManager& manager, const QUrl& url, const HttpOptions& options,
                   TimeoutSpan span, const ChunkHandler& onPiece);

} // namespace kiv5::net
