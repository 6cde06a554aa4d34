#include "common/core/RtfDocument.h"

#include "common/core/Cp1252.h"
#include "common/core/Exceptions.h"
#include "common/core/FileIo.h"
#include "common/core/RtfChaining.h"
#include "common/core/RtfDatFile.h"
#include "common/core/RtfTemplateFolder.h"
#include "common/core/RtfTransfer.h"
#include "common/core/TextFile.h"

#include <QDir>

#include <utility>

namespace kiv5 {
namespace {

bool IsPage(int page) {
    return page >= 0 && page < kAnswerPageCount;
}

} // namespace

QString TemplateProgramFolderName(DocumentProgram program) {
    return program == DocumentProgram::Client ? QStringLiteral("pellary5")
                                              : QStringLiteral("quenby5");
}

RtfDocument::RtfDocument(const OfficeContext& context, TAnswer& answers)
    : RtfDocument(answers,
                  TemplateFolder(context.folders, TemplateProgramFolderName(answers.Program())),
                  context.errors) {}

RtfDocument::RtfDocument(TAnswer& answers, QString templateFolder, ErrorSink errors)
    : answers_(answers), templateFolder_(std::move(templateFolder)), errors_(std::move(errors)) {}

bool RtfDocument::LoadDatFile(int page) {
    const auto lines = ReadDatFile(FindTemplateFile(templateFolder_, TemplateDatName(page)));
    if (!lines) {
        errors_.ErrorWindow(21011);
        return false;
    }
    if (!IsPage(page)) {
        return true;
    }
    TAnswerPage& entries = answers_.Page(page);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const DatLine line = i < lines->size() ? lines->at(i) : DatLine{};
        entries[i].DatType = line.TypeCode;
        entries[i].DatReal = line.Real3;
    }
    return true;
}

QString RtfDocument::LoadTemplate(int page) const {
    return FromCp1252(ReadFileBytes(FindTemplateFile(templateFolder_, TemplateRtfName(page))));
}

QString RtfDocument::FillPage(int page) {
    QString MainBuf = LoadTemplate(page);
    if (LoadDatFile(page)) {
        TransferAnswers(MainBuf, std::as_const(answers_).Page(page), answers_.Program(), errors_);
    }
    return MainBuf;
}

void RtfDocument::TransferDocument(int page) {
    MainBuf2 = FillPage(page);
}

void RtfDocument::AppendRTFFile(int page) {
    if (!IsStarted()) {
        TransferDocument(page);
        return;
    }
    const QString filled = FillPage(page);
    if (!HasRtfHeaderMarker(filled)) {
        errors_.ErrorWindow(21011);
        return;
    }
    AppendRtfPage(MainBuf2, filled);
}

void RtfDocument::Write(const QString& path) const {
    QByteArray bytes = ToCp1252(MainBuf2);
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
        bytes += "\r\n";
    }
    WriteFileAtomically(path, bytes);
}

} // namespace kiv5
