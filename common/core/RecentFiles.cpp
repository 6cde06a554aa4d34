#include "common/core/RecentFiles.h"

#include "common/core/Misc.h"

namespace kiv5 {
namespace {

const QString kCountName = QStringLiteral("HistoryCount");

QString EntryName(int index) {
    return QStringLiteral("History") + QString::number(index);
}

} // namespace

bool RecentFiles::DuplicateHistoryItem(const QString& TheFileName) const {
    if (rule_ == HistoryRule::Client &&
        (TheFileName.isEmpty() || TheFileName.toUpper().contains(QStringLiteral("NONAME")))) {
        return true;
    }
    const QString namePart = FileNamePart(TheFileName);
    for (const QString& entry : entries_) {
        if (FileNamePart(entry) == namePart) {
            return true;
        }
    }
    return false;
}

bool RecentFiles::Add(const QString& fileName) {
    if (DuplicateHistoryItem(fileName)) {
        return false;
    }
    entries_.prepend(fileName);
    Trim();
    return true;
}

QString RecentFiles::Reopen(int index) {
    if (index < 0 || index >= entries_.size()) {
        return {};
    }
    const QString fileName = entries_.takeAt(index);
    Add(fileName);
    return fileName;
}

void RecentFiles::Trim() {
    if (entries_.size() > MAXHISTORY) {
        entries_.resize(MAXHISTORY);
    }
}

void RecentFiles::Read(SettingsStore& store) {
    entries_.clear();
    int count = 0;
    if (const auto stored = store.ReadInteger(kCountName)) {
        count = *stored;
    } else {
        store.WriteInteger(kCountName, 0);
    }
    for (int i = 0; i < MAXHISTORY; ++i) {
        const auto name = store.ReadText(EntryName(i));
        if (!name) {
            store.WriteText(EntryName(i), QString());
        } else if (i < count) {
            entries_.append(*name);
        }
    }
}

void RecentFiles::Write(SettingsStore& store) const {
    const int count = std::min(Count(), MAXHISTORY);
    store.WriteInteger(kCountName, count);
    for (int i = 0; i < MAXHISTORY; ++i) {
        store.WriteText(EntryName(i), i < count ? entries_[i] : QString());
    }
}

QString RecentFiles::MenuCaption(int index, const QString& fileName) {
    return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + fileName;
}

} // namespace kiv5
