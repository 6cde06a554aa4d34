#pragma once

// The entries of the client selector ("Last, First - Number") and the client
// number an entry stands for.

#include <QString>
#include <QStringList>
#include <functional>

namespace kiv5::billing {

// The client list of the linked client file, sorted; none when no client
// file is linked or it does not exist (no message). Throws IoError when the
// file exists but cannot be read.
QStringList ReadSelectorClients(const QString& pl5Directory, const QString& pl5FileName,
                                const std::function<void(int percent)>& progress = {});

// The text after the first " - "; empty when there is none.
QString ClientNumberOfEntry(const QString& entry);

// The last entry whose client number equals the number, ASCII letter case
// ignored; -1 when none does or the number is empty.
int IndexOfClient(const QStringList& entries, const QString& clientNo);

} // namespace kiv5::billing
