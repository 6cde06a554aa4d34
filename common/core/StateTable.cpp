#include "common/core/StateTable.h"

#include <array>

namespace kiv5 {
namespace {

struct State {
    const char* abbreviation;
    const char* entryFormText; // as the state list shows it, blanks included
};

constexpr std::array<State, kStateCount> kStates = {{
    {"AL", "Alabama"},        {"AK", "Alaska"},         {"AZ", "Arizon "},
    {"AR", "Arkansas"},       {"CA", "California"},     {"CO", "Colorado"},
    {"CT", "Connecticut"},    {"DE", "Delaware"},       {"DC", "District of Columbia"},
    {"FL", "Florida"},        {"GA", "Georgia"},        {"HI", "Hawaii"},
    {"ID", "Idaho"},          {"IL", "Illinois"},       {"IN", "Indiana"},
    {"IA", "Iowa"},           {"KS", "Kansas"},         {"KY", "Kentucky"},
    {"LA", "Louisiana"},      {"ME", "Maine"},          {"MD", "Maryland"},
    {"MA", "Massachusetts"},  {"MI", "Michigan"},       {"MN", "Minnesota "},
    {"MS", "Mississippi"},    {"MO", "Missouri"},       {"MT", "Montana "},
    {"NE", "Nebraska"},       {"NV", "Nevada"},         {"NH", "New Hampshire"},
    {"NJ", "New Jersey "},    {"NM", "New Mexico"},     {"NY", "New York"},
    {"NC", "North Carolina"}, {"ND", "North Dakota "},  {"OH", "Ohio"},
    {"OK", "Oklahoma"},       {"OR", "Oregon"},         {"PA", "Pennsylvania"},
    {"RI", "Rhode Island"},   {"SC", "South Carolina"}, {"SD", "South Dakota"},
    {"TN", "Tennessee"},      {"TX", "Texas"},          {"UT", "Utah"},
    {"VT", "Vermont"},        {"VA", "Virginia"},       {"WA", "Washington"},
    {"WV", "West Virginia"},  {"WI", "Wisconson"},      {"WY", "Wyoming"},
}};

} // namespace

QString IntToStateAbbreviation(int code) {
    if (code < 0 || code >= kStateCount) {
        return {};
    }
    return QString::fromLatin1(kStates[static_cast<std::size_t>(code)].abbreviation);
}

int StateAbbreviationToInt(const QString& abbreviation) {
    for (int i = 0; i < kStateCount; ++i) {
        if (abbreviation == QLatin1String(kStates[static_cast<std::size_t>(i)].abbreviation)) {
            return i;
        }
    }
    return -1;
}

QString StateEntryFormText(int code) {
    if (code < 0 || code >= kStateCount) {
        return {};
    }
    return QString::fromLatin1(kStates[static_cast<std::size_t>(code)].entryFormText);
}

} // namespace kiv5
