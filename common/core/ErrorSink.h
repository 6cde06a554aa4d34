#pragma once

#include <functional>

namespace kiv5 {

// Where a program's error codes go. The programs hand in one that beeps and
// shows the error window, the command-line tool one that writes a line,
// tests one that records; a default sink writes the code to standard error.
class ErrorSink {
public:
    using Handler = std::function<void(int code)>;

    ErrorSink() = default;
    explicit ErrorSink(Handler handler) : handler_(std::move(handler)) {}

    // Reports an error or notice by its code and returns when it was shown.
    // Never throws: reporting an error must not become an error of its own.
    void ErrorWindow(int code) const noexcept;

private:
    Handler handler_;
};

} // namespace kiv5
