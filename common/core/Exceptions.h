#pragma once

#include <QString>
#include <exception>

namespace kiv5 {

// Base of the two error kinds a command can end with; the command guard at
// the top of each command catches them and shows the message.
class Kiv5Error : public std::exception {
public:
    explicit Kiv5Error(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A file could not be opened, read, written, positioned or closed; carries
// the system's text.
class IoError : public Kiv5Error {
public:
    using Kiv5Error::Kiv5Error;
};

// A text did not convert to the number or date a field needs.
class ConversionError : public Kiv5Error {
public:
    using Kiv5Error::Kiv5Error;
};

} // namespace kiv5
