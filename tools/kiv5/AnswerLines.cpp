#include "tools/kiv5/AnswerLines.h"

#include "common/core/ErrorCatalogue.h"

namespace kiv5::tool {

QString AnswerLineText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    shown.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    return shown;
}

void AnswerLines::Watch(billing::TemplateDocument& document) {
    document.SetPageObserver([this, &document](int, const TAnswerPage& page) {
        const int number = document.PageCount();
        for (qsizetype slot = 0; slot < page.size(); ++slot) {
            if (!page[slot].Text.isEmpty()) {
                lines_.append(QStringLiteral("%1\t%2\t%3")
                                  .arg(number)
                                  .arg(slot)
                                  .arg(AnswerLineText(page[slot].Text)));
            }
        }
    });
}

ErrorSink CodeMessagesTo(QTextStream& err, const QString& command) {
    return ErrorSink([&err, command](int code) {
        const int message = DecodeErrorCode(code).messageNumber;
        err << "kiv5 " << command << ": error " << code << ": "
            << MessageText(Program::Billing, message) << '\n';
    });
}

} // namespace kiv5::tool
