#pragma once

// Client records as the bookkeeping and billing tests put them in a client
// file.

#include "clientdb/core/NameRec.h"

namespace kiv5::test {

inline NameRec Client(const QString& number, const QString& last, const QString& first,
                      qint32 status = 0) {
    NameRec client;
    client.ClientNo = number;
    client.LastName = last;
    client.FirstName = first;
    client.Status = status;
    return client;
}

} // namespace kiv5::test
