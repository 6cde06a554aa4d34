#pragma once

#include <QString>

namespace kiv5::ui {

class Prompts;

// "Network Warning!" before a command that rewrites whole files other users
// may have open: the text with OK and Cancel; true for OK.
bool AskNetworkWarning(Prompts& prompts, const QString& text);

} // namespace kiv5::ui
