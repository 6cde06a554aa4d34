#pragma once

// The client list of the entry form and the filter dialog, read from the
// client file the set is linked to.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace kiv5::books {

// The linked client file: the client files folder with the link's file
// name part, found without regard to letter case; empty when no client file
// is linked.
QString LinkedClientFile(const QString& pl5Directory, const QString& pl5FileName);

// Whether the link names a client file that exists.
bool HasLinkedClientFile(const QString& pl5Directory, const QString& pl5FileName);

// "Last, First - Number" for every client of the file, at most 141
// characters each, skipping the header record (slot 0) and deleted clients.
// Throws IoError naming the file when it cannot be read or is damaged.
QStringList ReadClientList(const QString& clientFile,
                           const std::function<void(int percent)>& progress = {});

// The client list read once and kept while the client file stays as it was
// (same path, size and modification time), so forms opened one after
// another do not read a large client file each time.
class ClientListCache {
public:
    // The items of the file, read again only when it changed. Throws IoError
    // as ReadClientList; the kept list is then forgotten.
    const QStringList& Items(const QString& clientFile,
                             const std::function<void(int percent)>& progress = {});
    // Counts the reads, so a user of the items can tell they were replaced.
    quint64 Generation() const { return generation_; }
    void Forget();

private:
    QString path_;
    qint64 size_ = -1;
    QDateTime modified_;
    QStringList items_;
    quint64 generation_ = 0;
};

} // namespace kiv5::books
