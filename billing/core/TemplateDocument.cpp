#include "billing/core/TemplateDocument.h"

#include "common/core/Cp1252.h"
#include "common/core/Exceptions.h"
#include "common/core/RtfChaining.h"
#include "common/core/RtfTemplateFolder.h"
#include "common/core/RtfTransfer.h"
#include "common/core/TextFile.h"

#include <QDir>

#include <utility>

namespace kiv5::billing {
namespace {

QString ReadTemplateText(const QString& path) {
    return FromCp1252(ReadFileBytes(path));
}

} // namespace

TemplateDocument::TemplateDocument(TAnswer& answers, QString templateFolder, ErrorSink errors)
    : answers_(answers), templateFolder_(std::move(templateFolder)), errors_(std::move(errors)) {}

const TemplateDocument::Template& TemplateDocument::Load(int templatePage) {
    const auto known = templates_.constFind(templatePage);
    if (known != templates_.cend()) {
        return *known;
    }
    Template loaded;
    loaded.rtf = ReadTemplateText(FindTemplateFile(templateFolder_, TemplateRtfName(templatePage)));
    loaded.dat = ReadDatFile(FindTemplateFile(templateFolder_, TemplateDatName(templatePage)));
    return *templates_.insert(templatePage, std::move(loaded));
}

QString TemplateDocument::Fill(int templatePage) {
    const Template& page = Load(templatePage);
    QString filled = page.rtf;
    if (!page.dat) {
        errors_.ErrorWindow(21011);
        return filled;
    }
    TAnswerPage& entries = answers_.Page(templatePage);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const DatLine line = i < page.dat->size() ? page.dat->at(i) : DatLine{};
        entries[i].DatType = line.TypeCode;
        entries[i].DatReal = line.Real3;
    }
    TransferAnswers(filled, std::as_const(answers_).Page(templatePage), answers_.Program(),
                    errors_);
    return filled;
}

void TemplateDocument::AddPage(int templatePage) {
    const QString filled = Fill(templatePage);
    if (!IsStarted()) {
        text_ = filled;
    } else if (HasRtfHeaderMarker(filled)) {
        AppendRtfPage(text_, filled);
    } else {
        errors_.ErrorWindow(21011);
        return;
    }
    ++pageCount_;
    if (observer_) {
        observer_(templatePage, std::as_const(answers_).Page(templatePage));
    }
}

void TemplateDocument::Write(const QString& path) const {
    QByteArray bytes = ToCp1252(text_);
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
        bytes += "\r\n";
    }
    WriteFileAtomically(path, bytes);
}

} // namespace kiv5::billing
