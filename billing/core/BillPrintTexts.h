#pragma once

// What the print commands and periodic billing tell the user: the message
// texts and captions, in one place for the window, the tool and the tests.

#include <QString>

namespace kiv5::billing {

// The caption of every box periodic billing shows.
inline const char kPeriodicBillingCaption[] = "Print Periodic Billing";
// The caption of the box of the complete itemized statement.
inline const char kCompleteStatementCaption[] = "Print Itemized Statement";

// No bill is marked "X": nothing is printed and no file written.
QString NoMarkedBillText();
// An income, expense or statement file a marked bill needs is missing.
QString MissingBillingInputText(const QString& path);
// The chosen next-period file is the data file of the open billing file.
QString SameAsOpenFileText(const QString& dataFile);
// The question before an existing data file is replaced (Yes / No).
QString ReplaceNextPeriodFileQuestion(const QString& dataFile);
// A balance due that cannot be carried forward; nothing was written.
QString BalanceOutOfRangeText(const QString& fullName, const QString& clientNo);
// The worksheet's statement is not in the statement folder.
QString MissingCompleteStatementText(const QString& path);
// Periodic billing finished: how many bills, the new file.
QString PeriodicBillingDoneText(int bills, const QString& dataFile);

} // namespace kiv5::billing
