#pragma once

#include <functional>

namespace kiv5 {

// Told the share of a long operation done, 0-100.
using PercentProgress = std::function<void(int percent)>;

} // namespace kiv5
