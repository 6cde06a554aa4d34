#include "common/core/FileSet.h"

#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kiv5 {
namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void Rename(const QString& from, const QString& to) {
    QString error;
    if (!RenameFile(from, to, &error)) {
        throw IoError(QStringLiteral("Cannot replace \"%1\": %2").arg(Native(to), error));
    }
}

// Best effort on the way out of a failure: the first error is the one told.
void RenameQuietly(const QString& from, const QString& to) {
    RenameFile(from, to);
}

void RemoveQuietly(const QString& path) {
    if (QFileInfo(path).isFile()) {
        RemoveFile(path);
    }
}

bool IsFile(const QString& path) {
    return QFileInfo(path).isFile();
}

} // namespace

QString FileSetJournalPath(const QString& firstMember) {
    return firstMember + QStringLiteral(".kiv5-set");
}

QString StagedPath(const QString& target) {
    return target + QStringLiteral(".kiv5-new");
}

QString PreviousPath(const QString& target) {
    return target + QStringLiteral(".kiv5-old");
}

FileSetWriter::FileSetWriter(const QString& firstMember)
    : first_(firstMember), lock_(firstMember) {}

FileSetWriter::~FileSetWriter() {
    if (!committed_) {
        RemoveStaged();
    }
}

QString FileSetWriter::Stage(const QString& target) {
    Member member;
    member.target = target;
    member.staged = StagedPath(target);
    member.previous = PreviousPath(target);
    // A staged file left by an earlier failure is not ours to finish.
    RemoveQuietly(member.staged);
    members_.push_back(member);
    return member.staged;
}

void FileSetWriter::CheckTargets() const {
    for (const Member& m : members_) {
        const QFileInfo target(m.target);
        if (target.exists() && !target.isFile()) {
            throw IoError(QStringLiteral("Cannot replace \"%1\": it is a folder, not a file")
                              .arg(Native(m.target)));
        }
        if (!IsFile(m.staged)) {
            throw IoError(QStringLiteral("Cannot replace \"%1\": its new content was not written")
                              .arg(Native(m.target)));
        }
    }
}

void FileSetWriter::WriteJournal() const {
    QStringList names;
    for (const Member& m : members_) {
        names.append(FileNamePart(m.target));
    }
    WriteTextLines(FileSetJournalPath(first_), names);
}

void FileSetWriter::Commit() {
    CheckTargets();
    WriteJournal();
    int renames = 0;
    const auto crashNow = [&] { return crashAfterRenames_ && renames >= *crashAfterRenames_; };
    for (auto m = members_.begin(); m != members_.end(); ++m) {
        try {
            m->existed = QFileInfo::exists(m->target);
            if (m->existed) {
                if (crashNow()) {
                    committed_ = true;
                    return;
                }
                Rename(m->target, m->previous);
                ++renames;
            }
            if (crashNow()) {
                committed_ = true;
                return;
            }
            try {
                Rename(m->staged, m->target);
            } catch (...) {
                if (m->existed) {
                    RenameQuietly(m->previous, m->target);
                }
                throw;
            }
            ++renames;
            m->replaced = true;
        } catch (...) {
            RollBack(std::make_reverse_iterator(m));
            throw;
        }
    }
    committed_ = true;
    for (const Member& m : members_) {
        RemoveQuietly(m.previous);
    }
    RemoveFile(FileSetJournalPath(first_));
}

void FileSetWriter::RollBack(std::vector<Member>::reverse_iterator from) {
    for (auto m = from; m != members_.rend(); ++m) {
        if (!m->replaced) {
            continue;
        }
        if (m->existed) {
            RenameQuietly(m->previous, m->target);
        } else {
            RemoveQuietly(m->target);
        }
    }
    RemoveStaged();
    RemoveFile(FileSetJournalPath(first_));
}

void FileSetWriter::RemoveStaged() {
    for (const Member& m : members_) {
        RemoveQuietly(m.staged);
    }
}

bool RecoverFileSet(const QString& firstMember, const QStringList& members) {
    const QString journal = FileSetJournalPath(firstMember);
    const bool hasJournal = IsFile(journal);
    const bool hasLeftovers = std::any_of(members.begin(), members.end(), [](const QString& m) {
        return IsFile(StagedPath(m)) || IsFile(PreviousPath(m));
    });
    if (!hasJournal && !hasLeftovers) {
        return false;
    }
    const AppendLock lock(firstMember);
    if (!IsFile(journal)) {
        // Staged files of a set that never reached its journal are incomplete.
        for (const QString& member : members) {
            RemoveQuietly(StagedPath(member));
        }
        return false;
    }
    const QString folder = FolderPart(firstMember);
    for (const QString& name : ReadTextLines(journal)) {
        if (name.isEmpty()) {
            continue;
        }
        const QString target = folder + name;
        if (IsFile(StagedPath(target))) {
            Rename(StagedPath(target), target);
        } else if (!QFileInfo::exists(target) && IsFile(PreviousPath(target))) {
            Rename(PreviousPath(target), target);
        }
        RemoveQuietly(PreviousPath(target));
    }
    RemoveFile(journal);
    return true;
}

} // namespace kiv5
