#pragma once

#include <QString>

namespace kiv5 {

// The usual data folder of a program ("Pellary5", "Sumora5", "Quenby5"),
// ~/Orvanel/Tavrel/<Program>/ with a trailing separator.
QString UsualFolder(const QString& program);

// Creates a folder when it does not exist; false when that fails.
bool EnsureFolder(const QString& folder);

// The data folder a program works in for this run.
struct DataFolder {
    QString folder;
    // The stored folder was missing and the usual one is used instead.
    bool usedUsual = false;
};

// The stored folder when it exists; else the usual folder, created when
// missing. The stored folder itself is never created: a network share that
// is not mounted must not be replaced by an empty local folder of that name.
DataFolder UsableDataFolder(const QString& stored, const QString& usual);

// The warning shown when the stored data folder gave way to the usual one.
QString MissingDataFolderText(const QString& stored, const QString& usual);

// Creates the folder only when it is the usual one (a default folder is
// created on first use); true when the folder exists afterwards.
bool EnsureDataFolder(const QString& folder, const QString& usual);

} // namespace kiv5
