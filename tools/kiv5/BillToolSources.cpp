#include "tools/kiv5/BillToolSources.h"

#include "billing/core/BillingSettings.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/SettingsStore.h"

namespace kiv5::tool {

namespace {
// Only the settings' column widths depend on the screen; none are used here.
constexpr int kScreenWidth = 1280;
} // namespace

billing::BillSources BillToolSources(const QString& books, const QString& clientFile,
                                     const std::optional<QString>& statementFolder) {
    BillingSettings settings = BuiltInBillingSettings(kScreenWidth);
    SettingsStore store = BillingSettingsStore();
    ReadTheIniFile(settings, store, kScreenWidth);
    billing::BillSources sources;
    sources.incomePath = MatchFileNameCase(books + QStringLiteral(".inc"));
    sources.expensePath = MatchFileNameCase(books + QStringLiteral(".exp"));
    sources.clientPath = clientFile;
    sources.statementFolder = statementFolder.value_or(settings.ISDirectory);
    sources.captionLines = settings.CaptionLine;
    return sources;
}

} // namespace kiv5::tool
