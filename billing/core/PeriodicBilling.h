#pragma once

// Periodic billing: the bills of every marked bill, dated with the chosen
// billing date, each followed by its statements, and the next periodic
// billing file holding each printed bill carried forward. Everything is
// checked and computed first; then the new data file, its link file and the
// document are written as one unit (each through a temporary file renamed
// at the end), so a failure leaves every file as it was.

#include "billing/core/BillPrintRun.h"
#include "common/core/RecordTable.h"

#include <QList>
#include <QString>
#include <functional>

namespace kiv5::billing {

// The files of the next period and what the link file records.
struct NextPeriodFiles {
    // The name chosen for the new billing file; the link file's lines are
    // made from it.
    QString name;
    QString dataFile;
    QString linkFile;
    // Link file lines 4 and 5.
    QString pl5FileName;
    QString su5FileName;
};

// The next period's files for a chosen name: the data and link file in the
// billing files folder under the name's base name.
NextPeriodFiles NextPeriodFilesFor(const QString& filesDirectory, const QString& name,
                                   const QString& pl5FileName, const QString& su5FileName);

// The files replaced together with a billing file's data file: its link
// file, and the document a periodic billing run wrote with them when the
// set's journal beside the data file still names it (a failed clean-up or a
// crash left it), so the next open finishes or removes its copies too.
QStringList BillingSetMembers(const QString& dataFile, const QString& linkFile);

// What stops periodic billing before anything is written, or the question
// to ask first.
struct PeriodicCheck {
    enum class Kind {
        Ok,
        NoMarkedBill,
        MissingFile,            // path: the income, expense or statement file
        SameAsOpenFile,         // path: the open billing file's data file
        NeedsOverwriteQuestion, // path: the existing next-period data file
    };
    Kind kind = Kind::Ok;
    QString path;

    bool IsOk() const { return kind == Kind::Ok; }
    // The message (or, for NeedsOverwriteQuestion, the question); empty for Ok.
    QString Text() const;
};

// The rows periodic billing prints, in table order: marked "X" and not
// deleted (a bill hidden by the filter is billed too).
QList<int> PeriodicBillRows(const RecordTable& table);

// A marked bill, the income and expense files and every statement a marked
// bill names (at its path or in the statement folder), in that order; the
// first missing one is told.
PeriodicCheck CheckPeriodicInputs(const RecordTable& table, const BillSources& sources);

// The next-period data file may not be the open one (openDataFile; empty
// when none is open); an existing one needs the overwrite question.
PeriodicCheck CheckNextPeriodFile(const NextPeriodFiles& next, const QString& openDataFile);

struct PeriodicOutcome {
    // Not Ok: nothing was written (CheckNextPeriodFile's question is not
    // asked again: the run replaces an existing file).
    PeriodicCheck check;
    // Not empty: a balance could not be carried; nothing was written.
    QString message;
    // The bills printed and carried forward.
    int bills = 0;
    BillPrintOutcome print;

    bool Written() const { return check.IsOk() && message.isEmpty() && print.written; }
};

// Checks the inputs and the next file (an existing one is replaced), prints
// the marked bills dated billDate into the document and writes the next
// period's data file, its link file and the document as one unit; then the
// PDF when asked. Throws IoError or ConversionError (nothing written).
PeriodicOutcome RunPeriodicBilling(const RecordTable& table, const QString& openDataFile,
                                   const NextPeriodFiles& next, DayCount billDate,
                                   const BillPrintSetup& setup, TAnswer& answers,
                                   const BillNotices& notices,
                                   const std::function<void(int percent)>& progress = {});

} // namespace kiv5::billing
