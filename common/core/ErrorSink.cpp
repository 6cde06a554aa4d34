#include "common/core/ErrorSink.h"

#include <QtGlobal>
#include <exception>

namespace kiv5 {
namespace {

void WriteToStandardError(int code) {
    qWarning("KIV5 error %d", code);
}

ErrorSink& CurrentSink() {
    static ErrorSink sink = WriteToStandardError;
    return sink;
}

} // namespace

ErrorSink SetErrorSink(ErrorSink sink) {
    ErrorSink previous = std::move(CurrentSink());
    CurrentSink() = sink ? std::move(sink) : ErrorSink(WriteToStandardError);
    return previous;
}

void ErrorWindow(int code) {
    // Reporting an error must never become an error of its own.
    try {
        CurrentSink()(code);
    } catch (...) {
        WriteToStandardError(code);
    }
}

} // namespace kiv5
