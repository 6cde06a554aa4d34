#pragma once

#include "common/core/ErrorSink.h"
#include "tools/kiv5/DemoSet.h"

namespace kiv5::tool {

// The screen width the demo settings are made for.
inline constexpr int kDemoScreenWidth = 1280;

// Writes the settings stores of the three programs under settingsFolder
// (baseFolder of SettingsStore): the built-in settings with the data folders,
// file links and the file opened at start pointing at the demo set, and the
// demo files at the top of each history. Throws IoError when a store cannot
// be written.
void WriteDemoSettings(const DemoSet& set, const QString& settingsFolder, const ErrorSink& errors);

} // namespace kiv5::tool
