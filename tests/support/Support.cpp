#include "tests/support/Support.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace kiv5::test {

TempFolder::TempFolder() {
    dir_.setAutoRemove(true);
}

QString TempFolder::Folder() const {
    return dir_.path() + QLatin1Char('/');
}

QString TempFolder::Path(const QString& name) const {
    return dir_.filePath(name);
}

void TempFolder::WriteBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write test file");
    }
}

QByteArray TempFolder::ReadBytes(const QString& name) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

bool TempFolder::Exists(const QString& name) const {
    return QFileInfo::exists(Path(name));
}

} // namespace kiv5::test
