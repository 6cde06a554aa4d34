#pragma once

#include <functional>

namespace kiv5::ui {

// Opens the program's help at a topic number; supplied by each program.
using HelpCallback = std::function<void(int topic)>;

} // namespace kiv5::ui
