#include "common/ui/ErrorWindowText.h"

#include <optional>

namespace kiv5::ui {
namespace {

// The catalogue may answer "none" with an empty value or an empty optional.
QString TextOf(const QString& text) {
    return text;
}
[[maybe_unused]] QString TextOf(const std::optional<QString>& text) {
    return text.value_or(QString());
}
int TopicOf(int topic) {
    return topic;
}
[[maybe_unused]] int TopicOf(const std::optional<int>& topic) {
    return topic.value_or(0);
}

} // namespace

ErrorWindowText MakeErrorWindowText(Program program, int code) {
    const auto [messageNumber, hintIndex] = DecodeErrorCode(code);
    ErrorWindowText result;
    result.message = TextOf(MessageText(program, messageNumber));
    if (result.message.isEmpty())
        result.message = QStringLiteral("Unidentified error -  ") + QString::number(messageNumber);
    if (hintIndex >= 1 && hintIndex <= 9)
        result.hint = TextOf(HintText(program, hintIndex));
    result.helpTopic = qMax(0, TopicOf(HelpTopic(program, messageNumber)));
    return result;
}

} // namespace kiv5::ui
