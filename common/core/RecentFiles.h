#pragma once

// The recent-file history: full file names, most recent first, at most
// MAXHISTORY of them, kept in the settings as "HistoryCount" and "History0"
// to "History8" (all nine always written, empty beyond the count).

#include "common/core/SettingsStore.h"

#include <QString>
#include <QStringList>

namespace kiv5 {

inline constexpr int MAXHISTORY = 9;

// Which names the history refuses besides those whose file name part is
// already listed: the client program also refuses empty names and names
// that contain "NONAME" in any letter case.
enum class HistoryRule { AllPrograms, Client };

class RecentFiles {
public:
    explicit RecentFiles(HistoryRule rule = HistoryRule::AllPrograms) : rule_(rule) {}

    HistoryRule Rule() const { return rule_; }
    const QStringList& Entries() const { return entries_; }
    int Count() const { return int(entries_.size()); }
    bool IsEmpty() const { return entries_.isEmpty(); }
    // Entry i counting from 0; empty text outside the list.
    QString Entry(int index) const { return entries_.value(index); }

    // True when TheFileName must not be added: some entry has the same file
    // name part (after the last "/" or "\", compared exactly), or, for the
    // client program, the name is empty or contains "NONAME".
    bool DuplicateHistoryItem(const QString& TheFileName) const;

    // After an open or a save under a new name: puts the name at the top
    // unless DuplicateHistoryItem refuses it (a listed name is not moved).
    // True when the list changed, so the menu needs rebuilding.
    bool Add(const QString& fileName);

    // Reopening entry i: takes its name out of the list and puts it back at
    // the top unless that is refused, and returns the name to open (empty
    // when there is no such entry).
    QString Reopen(int index);

    void Clear() { entries_.clear(); }
    // Drops the entries from position MAXHISTORY on.
    void Trim();

    // The "HistoryCount" and "History"+i values; missing ones are written
    // (count 0, empty names) and only the first HistoryCount names are taken.
    void Read(SettingsStore& store);
    void Write(SettingsStore& store) const;

    // The menu item of entry i: "&" + (i + 1) + " " + name.
    static QString MenuCaption(int index, const QString& fileName);
    // The entry shown by a history menu item, from the item's position in
    // the File menu and the position of the separator before the history.
    static int EntryIndex(int itemPosition, int separatorPosition) {
        return itemPosition - separatorPosition - 1;
    }

private:
    HistoryRule rule_;
    QStringList entries_;
};

} // namespace kiv5
