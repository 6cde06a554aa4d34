#pragma once

// What a document command prints beside the document it writes: every
// non-empty answer of every page as one line, and the codes the passes
// report as messages.

#include "billing/core/TemplateDocument.h"
#include "common/core/ErrorSink.h"

#include <QStringList>
#include <QTextStream>

namespace kiv5::tool {

// A tab or line break of an answer as \t and \n, so that each answer is one
// line.
QString AnswerLineText(const QString& text);

// Collects "page<TAB>slot<TAB>text" for every non-empty answer of each page
// the document takes in, pages counted from 1 in document order.
class AnswerLines {
public:
    void Watch(billing::TemplateDocument& document);
    const QStringList& Lines() const { return lines_; }

private:
    QStringList lines_;
};

// "kiv5 COMMAND: error CODE: MESSAGE" on err for each code reported.
ErrorSink CodeMessagesTo(QTextStream& err, const QString& command);

} // namespace kiv5::tool
