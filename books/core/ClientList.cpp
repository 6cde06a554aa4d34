#include "books/core/ClientList.h"

#include "clientdb/core/NameRec.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"

#include <QFileInfo>

namespace kiv5::books {

QString LinkedClientFile(const QString& pl5Directory, const QString& pl5FileName) {
    const QString name = FileNamePart(pl5FileName);
    if (name.isEmpty()) {
        return {};
    }
    return MatchFileNameCase(SlashAtEnd(pl5Directory) + name);
}

bool HasLinkedClientFile(const QString& pl5Directory, const QString& pl5FileName) {
    const QString path = LinkedClientFile(pl5Directory, pl5FileName);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QStringList ReadClientList(const QString& clientFile,
                           const std::function<void(int percent)>& progress) {
    RecordFile file(clientFile, kNameRecSize, RecordFile::Mode::Read);
    const qint64 count = file.Count();
    QStringList items;
    for (qint64 slot = 0; slot < count; ++slot) {
        const NameRec client = file.ReadRecord<NameRec>();
        if (slot > 0 && client.Status != kStatusDeleted) {
            items.append((client.LastName + QStringLiteral(", ") + client.FirstName +
                          QStringLiteral(" - ") + client.ClientNo)
                             .left(141));
        }
        if (progress) {
            progress(static_cast<int>((slot + 1) * 100 / count));
        }
    }
    file.Close();
    return items;
}

const QStringList& ClientListCache::Items(const QString& clientFile,
                                          const std::function<void(int percent)>& progress) {
    const QFileInfo info(clientFile);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    if (clientFile == path_ && size == size_ && modified == modified_ && info.exists()) {
        return items_;
    }
    Forget();
    items_ = ReadClientList(clientFile, progress);
    path_ = clientFile;
    size_ = size;
    modified_ = modified;
    ++generation_;
    return items_;
}

void ClientListCache::Forget() {
    path_.clear();
    size_ = -1;
    modified_ = {};
    items_.clear();
}

} // namespace kiv5::books
