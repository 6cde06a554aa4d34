#pragma once

// The RTF document a billing print command assembles from filled page
// templates. Each template and its DAT are read once, when the page is first
// used; every further page of that template is filled from the copy held.
// The first page starts the document whole; further pages are chained with
// "\page".

#include "common/core/Answers.h"
#include "common/core/ErrorSink.h"
#include "common/core/RtfDatFile.h"

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

namespace kiv5::billing {

class TemplateDocument {
public:
    // Told each page as it goes into the document: its template and answers.
    using PageObserver = std::function<void(int templatePage, const TAnswerPage& answers)>;

    TemplateDocument(TAnswer& answers, QString templateFolder, ErrorSink errors);

    // The document-started flag: false until the first page is in.
    bool IsStarted() const { return !text_.isEmpty(); }
    const QString& Text() const { return text_; }
    int PageCount() const { return pageCount_; }
    void SetPageObserver(PageObserver observer) { observer_ = std::move(observer); }

    // Fills the template from its answers and starts the document with it or
    // appends it as a new page. A DAT line that does not read reports 21011
    // and the page goes in unfilled; a template without its header marker
    // cannot follow another page: 21011 and the page is left out. Throws
    // IoError when the template or its DAT is missing or unreadable.
    void AddPage(int templatePage);

    // Writes the document as Windows-1252 ending with CR LF, replacing path
    // only when the whole file is written. Throws IoError.
    void Write(const QString& path) const;

private:
    struct Template {
        QString rtf;
        std::optional<QList<DatLine>> dat;
    };
    const Template& Load(int templatePage);
    QString Fill(int templatePage);

    TAnswer& answers_;
    QString templateFolder_;
    ErrorSink errors_;
    QHash<int, Template> templates_;
    QString text_;
    int pageCount_ = 0;
    PageObserver observer_;
};

} // namespace kiv5::billing
