#pragma once

class QKeyEvent;

namespace kiv5::ui {

// Whether a key press may reach an amount field: digits, ".", "-",
// backspace and keys that type nothing (moving, deleting, shortcuts).
bool PassesAmountKeyFilter(const QKeyEvent& key);

} // namespace kiv5::ui
