#include "common/core/ErrorSink.h"

#include <QtGlobal>

namespace kiv5 {
namespace {

void WriteToStandardError(int code) noexcept {
    qWarning("KIV5 error %d", code);
}

} // namespace

void ErrorSink::ErrorWindow(int code) const noexcept {
    if (!handler_) {
        WriteToStandardError(code);
        return;
    }
    try {
        handler_(code);
    } catch (...) {
        WriteToStandardError(code);
    }
}

} // namespace kiv5
