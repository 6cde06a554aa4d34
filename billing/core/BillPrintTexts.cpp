#include "billing/core/BillPrintTexts.h"

#include <QDir>

namespace kiv5::billing {
namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString NoMarkedBillText() {
    return QStringLiteral("No bill is marked for periodic billing. Mark the bills to print with "
                          "an \"X\" first.\nNothing was printed and no file was written.");
}

QString MissingBillingInputText(const QString& path) {
    return QStringLiteral("Could not find file: %1\nPeriodic billing needs it for the marked "
                          "bills. Nothing was printed and no file was written.")
        .arg(Native(path));
}

QString SameAsOpenFileText(const QString& dataFile) {
    return QStringLiteral("%1 holds the bills of the open billing file and cannot become the "
                          "next periodic billing file. Choose another name.")
        .arg(Native(dataFile));
}

QString ReplaceNextPeriodFileQuestion(const QString& dataFile) {
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(Native(dataFile));
}

QString BalanceOutOfRangeText(const QString& fullName, const QString& clientNo) {
    return QStringLiteral("The balance due of %1 (client %2) is not an amount a bill can carry "
                          "forward. Check the bill's amounts and its statements.\nNothing was "
                          "printed and no file was written.")
        .arg(fullName, clientNo);
}

QString MissingCompleteStatementText(const QString& path) {
    return QStringLiteral("Could not find file: %1\nThe itemized statement was not printed.")
        .arg(Native(path));
}

QString PeriodicBillingDoneText(int bills, const QString& dataFile) {
    return QStringLiteral("%1 %2 printed; the next period's bills are in %3.")
        .arg(bills)
        .arg(bills == 1 ? QStringLiteral("bill") : QStringLiteral("bills"))
        .arg(Native(dataFile));
}

} // namespace kiv5::billing
