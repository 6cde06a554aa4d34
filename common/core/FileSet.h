#pragma once

// Files that belong together (a client file and its memo file, the members of
// a bookkeeping set) are replaced as one unit. Each member is first written
// whole to a staged file beside its target; only when every staged file is
// complete does a journal beside the first member record the replacement, and
// the members are renamed into place. A failure before or during the renames
// puts every target back as it was; a crash during the renames leaves the
// journal, and RecoverFileSet finishes the replacement at the next open.
//
//     FileSetWriter set(files.clientFile);
//     WriteClientFile(set.Stage(files.clientFile), table);
//     WriteMemoFile(set.Stage(files.memoFile), memo);
//     set.Commit();

#include "common/core/FileLock.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kiv5 {

class FileSetWriter {
public:
    // Holds the append lock of the first member while the set is written,
    // so no other copy appends or replaces meanwhile.
    explicit FileSetWriter(const QString& firstMember);
    // Removes staged files that were not committed.
    ~FileSetWriter();
    FileSetWriter(const FileSetWriter&) = delete;
    FileSetWriter& operator=(const FileSetWriter&) = delete;

    // The path to write the new content of target to.
    QString Stage(const QString& target);
    // Replaces every staged target. Throws IoError naming the file and the
    // system's reason; then every target is as it was before.
    void Commit();

    // For tests of the recovery: the next Commit stops after that many
    // renames, as if the program died there, leaving journal and staged files.
    void SimulateCrashAfterRenames(int renames) { crashAfterRenames_ = renames; }

private:
    struct Member {
        QString target;
        QString staged;
        QString previous;
        bool existed = false;
        bool replaced = false;
    };
    void CheckTargets() const;
    void WriteJournal() const;
    void RollBack(std::vector<Member>::reverse_iterator from);
    void RemoveStaged();

    QString first_;
    AppendLock lock_;
    std::vector<Member> members_;
    std::optional<int> crashAfterRenames_;
    bool committed_ = false;
};

// Finishes a replacement a crash interrupted (the journal beside firstMember
// lists its members: each staged file still there is renamed into place),
// and removes staged files of members that never reached the journal.
// Returns true when a replacement was finished. Throws IoError when a rename
// fails; the journal then stays for the next try.
bool RecoverFileSet(const QString& firstMember, const QStringList& members);

// The journal and the staged and previous copies of a target, by name.
QString FileSetJournalPath(const QString& firstMember);
QString StagedPath(const QString& target);
QString PreviousPath(const QString& target);

} // namespace kiv5
