// A template's DAT file alone: each line read, its type code turned into the
// code character, and the answer store's page slots set from it.

#include "common/core/RtfDatFile.h"
#include "common/core/RtfDocument.h"
#include "common/core/RtfTemplateFolder.h"
#include "fuzz/FuzzSupport.h"

using namespace kiv5;
using namespace kiv5::fuzz;

namespace {

constexpr int kPage = 1;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FreshFolder();
    const QString path =
        WriteScratchFile(TemplateDatName(kPage), QByteArray(reinterpret_cast<const char*>(data),
                                                            static_cast<qsizetype>(size)));
    Guarded([&] {
        if (const auto lines = ReadDatFile(path)) {
            for (const DatLine& line : *lines) {
                DatTypeToCodeChar(line.TypeCode);
            }
        }
    });
    for (const DocumentProgram program : {DocumentProgram::Client, DocumentProgram::Billing}) {
        Guarded([&] {
            TAnswer answers(program);
            RtfDocument(answers, folder, QuietContext().errors).LoadDatFile(kPage);
        });
    }
    return 0;
}
