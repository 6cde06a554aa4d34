#include "tools/kiv5/DemoWorkspaces.h"

#include "billing/core/BillingWorkspace.h"
#include "books/core/BooksWorkspace.h"
#include "clientdb/core/ClientWorkspace.h"
#include "common/core/Misc.h"

namespace kiv5::tool {

void ConfigureForDemo(ClientWorkspace& ws, const DemoSet& set) {
    ws.settings.FilesDirectory = set.clientFolder;
}

void ConfigureForDemo(books::BooksWorkspace& ws, const DemoSet& set) {
    ws.settings.FilesDirectory = set.booksFolder;
    ws.settings.PL5Directory = set.clientFolder;
    ws.settings.PL5FileName = FileNamePart(set.clientFiles.clientFile);
}

void ConfigureForDemo(billing::BillingWorkspace& ws, const DemoSet& set) {
    ws.settings.FilesDirectory = set.billingFolder;
    ws.settings.PL5Directory = set.clientFolder;
    ws.settings.PL5FileName = FileNamePart(set.clientFiles.clientFile);
    ws.settings.SU5Directory = set.booksFolder;
    ws.settings.SU5FileName = FileNamePart(set.setFile);
}

} // namespace kiv5::tool
