#pragma once

#include <functional>

namespace kiv5 {

// Receives every error code raised through ErrorWindow. The programs install
// one that beeps and shows the error window; tests install a recorder.
using ErrorSink = std::function<void(int code)>;

// Installs a sink and returns the one it replaces. An empty sink restores the
// default, which writes the code to standard error.
ErrorSink SetErrorSink(ErrorSink sink);

// Reports an error or notice by its code and returns when it was shown.
void ErrorWindow(int code);

// Installs a sink for the life of a scope and puts the previous one back.
class ScopedErrorSink {
public:
    explicit ScopedErrorSink(ErrorSink sink) : previous_(SetErrorSink(std::move(sink))) {}
    ~ScopedErrorSink() { SetErrorSink(std::move(previous_)); }
    ScopedErrorSink(const ScopedErrorSink&) = delete;
    ScopedErrorSink& operator=(const ScopedErrorSink&) = delete;

private:
    ErrorSink previous_;
};

} // namespace kiv5
