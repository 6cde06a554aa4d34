#include "billing/core/BillSources.h"

#include "books/core/ClientList.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"

namespace kiv5::billing {
namespace {

QString LedgerPath(const BillingSettings& settings, const QString& extension) {
    return MatchFileNameCase(SlashAtEnd(settings.SU5Directory) +
                             StripExtension(FileNamePart(settings.SU5FileName)) + extension);
}

} // namespace

BillSources BillSourcesFromSettings(const BillingSettings& settings) {
    BillSources sources;
    sources.incomePath = LedgerPath(settings, QStringLiteral(".inc"));
    sources.expensePath = LedgerPath(settings, QStringLiteral(".exp"));
    sources.clientPath = books::LinkedClientFile(settings.PL5Directory, settings.PL5FileName);
    sources.statementFolder = settings.ISDirectory;
    sources.captionLines = settings.CaptionLine;
    return sources;
}

} // namespace kiv5::billing
