#pragma once

// The itemized statement worksheet and the calendar as child windows of
// quenby5's frame. Each window owns the workspace it works on, made when the
// window opens and gone when it closes.

namespace kiv5::billing::ui {

class QuenbyMainWindow;

// Sets the main window's worksheet and calendar hooks, and wires the
// calendar search button, the statement and calendar print buttons and
// shorthand changes to the open windows.
void InstallChildWindows(QuenbyMainWindow& window);

} // namespace kiv5::billing::ui
