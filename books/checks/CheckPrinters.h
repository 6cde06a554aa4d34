#pragma once

#include <QPrinter>
#include <functional>
#include <memory>

namespace kiv5::ui {

// Where a check is printed: the system's default printer, set up for one
// portrait page without a dialog. Tests hand in a printer of their own (one
// that writes a PDF file) or none.
struct CheckPrinters {
    // The default printer, or null when no printer is set up.
    std::function<std::unique_ptr<QPrinter>()> defaultPrinter;

    static CheckPrinters System();
};

} // namespace kiv5::ui
