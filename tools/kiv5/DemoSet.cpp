#include "tools/kiv5/DemoSet.h"

#include "billing/core/CalendarFile.h"
#include "books/core/BookkeepingSet.h"
#include "common/core/Misc.h"

#include <QDir>

namespace kiv5::tool {

DemoSet DemoSetIn(const QString& folder) {
    DemoSet set;
    set.folder = SlashAtEnd(QDir(folder).absolutePath());
    set.clientFolder = set.folder + QStringLiteral("Pellary5/");
    set.booksFolder = set.folder + QStringLiteral("Sumora5/");
    set.billingFolder = set.folder + QStringLiteral("Quenby5/");
    set.statementFolder = set.billingFolder + QStringLiteral("IS/");
    const QString name(kDemoBaseName);
    set.clientFiles = ClientFilesFor(set.clientFolder, name + QStringLiteral(".pl5"));
    set.setFile = set.booksFolder + name + books::kSetExtension;
    const QString base = set.booksFolder + name;
    set.incomeFile = base + books::kIncomeExtension;
    set.expenseFile = base + books::kExpenseExtension;
    set.accountFile = base + books::kAccountExtension;
    set.categoryFile = base + books::kCategoryExtension;
    set.defaultCategoryFile = set.booksFolder + books::kDefaultCategoryFileName;
    set.linkFile = set.billingFolder + name + QStringLiteral(".qy5");
    set.billFile = set.billingFolder + name + QStringLiteral(".bil");
    set.calendarFile = set.billingFolder + billing::kCalendarFileName;
    return set;
}

} // namespace kiv5::tool
