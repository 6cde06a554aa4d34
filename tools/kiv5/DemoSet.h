#pragma once

#include "clientdb/core/ClientFileNames.h"

#include <QString>
#include <QStringList>

namespace kiv5::tool {

// Where the demo data set lives below its folder. Folders end with the path
// separator.
struct DemoSet {
    QString folder;
    QString clientFolder;    // Pellary5/
    QString booksFolder;     // Sumora5/
    QString billingFolder;   // Quenby5/
    QString statementFolder; // Quenby5/IS/
    ClientFiles clientFiles; // kiv5.pl5, kiv5.mem
    QString setFile;         // kiv5.su5
    QString incomeFile;
    QString expenseFile;
    QString accountFile;
    QString categoryFile;
    QString defaultCategoryFile;
    QString linkFile; // kiv5.qy5
    QString billFile; // kiv5.bil
    QString calendarFile;
    QStringList statementFiles; // named when the set is made
};

inline constexpr QLatin1StringView kDemoBaseName("kiv5");

// The paths of a demo data set below `folder` (made absolute).
DemoSet DemoSetIn(const QString& folder);

} // namespace kiv5::tool
