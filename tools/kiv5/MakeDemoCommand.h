#pragma once

#include "common/core/Exceptions.h"
#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"
#include "tools/kiv5/DemoSet.h"

#include <QStringList>

namespace kiv5::tool {

inline constexpr int kDefaultDemoClients = 60;
inline constexpr int kMaxDemoClients = 1'000'000;

struct DemoOptions {
    QString folder;
    int clients = kDefaultDemoClients;
    QString settingsFolder; // empty: no settings are written
    bool force = false;     // overwrite an existing demo client file
};

// Thrown when the demo set cannot be made as asked: its client file exists
// and force is not set, or its folder's path is too long for the bills'
// statement paths. Nothing has been written then.
class DemoRefused : public Kiv5Error {
public:
    using Kiv5Error::Kiv5Error;
};

// Writes the whole demo data set (and the settings when asked) and returns
// its paths. Throws DemoRefused, or IoError when a file cannot be written.
DemoSet MakeDemoDataSet(const DemoOptions& options, const OfficeContext& context);

// kiv5 make-demo DIR [--clients N] [--settings SETTINGSDIR] [--force]
int RunMakeDemo(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

} // namespace kiv5::tool
