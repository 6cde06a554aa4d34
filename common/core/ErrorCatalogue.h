#pragma once

// Error codes and the texts the error window shows for them. A code names a
// message of the program's catalogue and one of nine general hints: message
// number = code / 10 rounded to the nearest integer, halves to even; hint
// index = code - 10 * message number (so 1615 gives message 162, hint -5).

#include <QString>

namespace kiv5 {

enum class Program { Client, Bookkeeping, Billing };

struct DecodedError {
    int messageNumber = 0;
    int hintIndex = 0;
    bool operator==(const DecodedError&) const = default;
};

DecodedError DecodeErrorCode(int code);

// Hint 1 to 9 in the program's wording; empty for any other index.
QString HintText(Program program, int hintIndex);

// The catalogue text, or "Unidentified error -  " and the number.
QString MessageText(Program program, int messageNumber);

// The help topic of a message, 0 when it has none.
int HelpTopic(Program program, int messageNumber);

} // namespace kiv5
