#include "books/checks/CheckPrinters.h"

#include <QPrinterInfo>

namespace kiv5::ui {

CheckPrinters CheckPrinters::System() {
    return {[]() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            return nullptr;
        }
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }};
}

} // namespace kiv5::ui
