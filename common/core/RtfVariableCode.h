#pragma once

// Variable codes of the page templates: "/" + type character + the slot
// number in 1 to 3 digits + "/", e.g. "/$12/". Word processors that saved a
// template may have broken a code over lines, so CR and LF between its
// characters are part of the code.

#include <QChar>
#include <QString>

#include <optional>

namespace kiv5 {

struct RtfVariableCode {
    qsizetype Start = 0; // index of the opening "/"
    qsizetype End = 0;   // index after the closing "/"
    QChar Type;
    int Slot = 0;
};

// "*" "$" "%" "#" "&" "@" "^" "<" "+".
bool IsVariableCodeType(QChar c);

// The code starting at pos, if one does.
std::optional<RtfVariableCode> ReadVariableCodeAt(const QString& text, qsizetype pos);

// "/" + type + slot + "/".
QString MakeVariableCode(QChar type, int slot);

} // namespace kiv5
