#pragma once

// The files of a bookkeeping set. A set is named by its set file (".su5");
// its income, expense, account and category files always sit in the
// bookkeeping files folder under the set file's base name, whatever folder
// the set file was chosen from.

#include <QString>
#include <QStringList>

namespace kiv5::books {

inline constexpr QLatin1StringView kSetExtension(".su5");
inline constexpr QLatin1StringView kIncomeExtension(".inc");
inline constexpr QLatin1StringView kExpenseExtension(".exp");
inline constexpr QLatin1StringView kAccountExtension(".acc");
inline constexpr QLatin1StringView kCategoryExtension(".cat");
inline constexpr QLatin1StringView kDefaultCategoryFileName("default.cat");

// The set file's name without folder and extension; stored names are split
// at "/" and "\" alike.
QString SetBaseName(const QString& fileName);

// SlashAtEnd(filesDirectory) + base name of `fileName` + extension, or the
// existing file whose name differs from that only in letter case.
QString SetMemberPath(const QString& filesDirectory, const QString& fileName,
                      QLatin1StringView extension);
QString IncomeFilePath(const QString& filesDirectory, const QString& fileName);
QString ExpenseFilePath(const QString& filesDirectory, const QString& fileName);
QString AccountListPath(const QString& filesDirectory, const QString& fileName);
QString CategoryListPath(const QString& filesDirectory, const QString& fileName);
QString DefaultCategoryListPath(const QString& filesDirectory);

// The set file of that name in the files folder, as Open reads it:
// SlashAtEnd(filesDirectory) + the chosen name without folder.
QString SetFileInFilesDirectory(const QString& filesDirectory, const QString& fileName);

// The five lines of the set file at `setFilePath`: the four member names
// (without folder) and the linked client file's name without folder.
QStringList SetFileLines(const QString& setFilePath, const QString& pl5FileName);
void WriteSetFile(const QString& setFilePath, const QString& pl5FileName);
// The linked client file name (line 5); empty when the file has no fifth
// line. Throws IoError when the file cannot be read.
QString ReadSetFile(const QString& setFilePath);

// Account and category lists: one name per line, read and written whole.
QStringList ReadNameList(const QString& path);
void WriteNameList(const QString& path, const QStringList& names);
// The category list a new set starts with; empty when "default.cat" is
// missing from the files folder.
QStringList ReadDefaultCategoryList(const QString& filesDirectory);

} // namespace kiv5::books
