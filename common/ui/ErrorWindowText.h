#pragma once

#include "common/core/ErrorCatalogue.h"

#include <QString>

namespace kiv5::ui {

// What the error window shows for a code of one program.
struct ErrorWindowText {
    QString message;
    QString hint;
    // 0 when the message has no help topic.
    int helpTopic = 0;
};

// Decodes the code and looks its message, hint and help topic up in the
// program's catalogue. A message number without an entry reads
// "Unidentified error -  " and the number; hint indexes outside 1 to 9 give
// no hint.
ErrorWindowText MakeErrorWindowText(Program program, int code);

} // namespace kiv5::ui
