#include "common/ui/ErrorWindowText.h"

namespace kiv5::ui {

ErrorWindowText MakeErrorWindowText(Program program, int code) {
    const DecodedError decoded = DecodeErrorCode(code);
    ErrorWindowText result;
    result.message = MessageText(program, decoded.messageNumber);
    if (result.message.isEmpty())
        result.message =
            QStringLiteral("Unidentified error -  ") + QString::number(decoded.messageNumber);
    if (decoded.hintIndex >= 1 && decoded.hintIndex <= 9)
        result.hint = HintText(program, decoded.hintIndex);
    result.helpTopic = qMax(0, HelpTopic(program, decoded.messageNumber));
    return result;
}

} // namespace kiv5::ui
