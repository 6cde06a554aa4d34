#pragma once

#include <QString>

namespace kiv5 {

// US states and the District of Columbia, codes 0 to 50; -1 means none.
constexpr int kStateCount = 51;

// The abbreviation of a code 0-50, empty for any other value.
QString IntToStateAbbreviation(int code);
// The code whose abbreviation equals the text exactly, -1 otherwise.
int StateAbbreviationToInt(const QString& abbreviation);
// The text of the state list of the entry and filter forms.
QString StateEntryFormText(int code);

} // namespace kiv5
