#pragma once

#include "common/core/ErrorSink.h"
#include "common/ui/Prompts.h"

namespace kiv5::ui {

// Shows the error window for a code through the prompts service; when the
// window cannot be created or shown, the plain "Unknown Error in ErrorWindow"
// box with OK comes instead. Never throws.
void ShowErrorWindowSafely(Prompts& prompts, int code);

// The sink a program installs at start: every ErrorWindow(code) beeps, then
// shows the error window through the prompts service, which must outlive it.
ErrorSink MakeErrorWindowSink(Prompts& prompts);

// Installs that sink and returns the one it replaces.
ErrorSink InstallErrorWindowSink(Prompts& prompts);

} // namespace kiv5::ui
