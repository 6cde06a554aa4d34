#pragma once

// The three programs' workspaces pointed at a demo data set, as a user who
// set the data folders to it would have them.

#include "tools/kiv5/DemoSet.h"

namespace kiv5 {
class ClientWorkspace;
namespace books {
class BooksWorkspace;
}
namespace billing {
class BillingWorkspace;
}
} // namespace kiv5

namespace kiv5::tool {

void ConfigureForDemo(ClientWorkspace& ws, const DemoSet& set);
void ConfigureForDemo(books::BooksWorkspace& ws, const DemoSet& set);
void ConfigureForDemo(billing::BillingWorkspace& ws, const DemoSet& set);

} // namespace kiv5::tool
