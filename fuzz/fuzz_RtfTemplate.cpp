// A page template (first part) with its DAT file (second part): filled and
// chained by pellary5's document and by quenby5's template document.

#include "billing/core/TemplateDocument.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

namespace {

constexpr int kPage = 1;

// Answers with the characters RTF treats specially and a code of their own.
void FillAnswers(TAnswer& answers) {
    for (int slot = 0; slot <= answers.MaxSlot(kPage); ++slot) {
        answers.SetAnswer(kPage, slot,
                          QStringLiteral("Ann {Lee} \\par %1 /*2/ 1,234.56").arg(slot));
        answers.SetOvRide(kPage, slot, slot % 2 == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = SplitParts(data, size);
    const QString folder = FreshFolder();
    WriteScratchFile(TemplateRtfName(kPage), parts[0]);
    if (parts.size() > 1) {
        WriteScratchFile(TemplateDatName(kPage), parts[1]);
    }
    const ErrorSink& errors = QuietContext().errors;
    Guarded([&] {
        TAnswer answers(DocumentProgram::Client);
        FillAnswers(answers);
        RtfDocument document(answers, folder, errors);
        document.TransferDocument(kPage);
        document.AppendRTFFile(kPage);
    });
    Guarded([&] {
        TAnswer answers(DocumentProgram::Billing);
        FillAnswers(answers);
        billing::TemplateDocument document(answers, folder, errors);
        document.AddPage(kPage);
        document.AddPage(kPage);
    });
    return 0;
}
