#pragma once

#include "common/core/ErrorSink.h"
#include "common/ui/Prompts.h"

namespace kiv5::ui {

// Shows the error window for a code through the prompts service; when the
// window cannot be created or shown, the plain "Unknown Error in ErrorWindow"
// box with OK comes instead. Never throws.
void ShowErrorWindowSafely(Prompts& prompts, int code);

// The sink of a program's context: every code beeps, then shows the error
// window through the prompts service, which must outlive the sink.
ErrorSink MakeErrorWindowSink(Prompts& prompts);

} // namespace kiv5::ui
