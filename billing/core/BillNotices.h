#pragma once

// Where the bill and statement passes report what goes wrong while they
// carry on: error codes to the error sink, a statement file that cannot be
// found to a message box of its own (no code).

#include "common/core/ErrorSink.h"

#include <QString>
#include <functional>

namespace kiv5::billing {

// "Bad Itemized Statement Path": the box's caption; its text is
// MissingStatementText(path), shown with an exclamation icon and one OK.
inline const char kMissingStatementCaption[] = "Bad Itemized Statement Path";

inline QString MissingStatementText(const QString& path) {
    return QStringLiteral("Could not find file: ") + path;
}

// The codes the passes raise.
inline constexpr int kErrorClientNotFound = 11120;
inline constexpr int kErrorNoClientFile = 11150;
inline constexpr int kErrorNoIncomeFile = 12010;
inline constexpr int kErrorNoExpenseFile = 12020;
inline constexpr int kErrorNoStatementFile = 12040;

struct BillNotices {
    ErrorSink errors;
    // Called with the path as the bill holds it; no handler shows nothing.
    std::function<void(const QString& path)> missingStatement;

    void MissingStatement(const QString& path) const {
        if (missingStatement) {
            missingStatement(path);
        }
    }
};

} // namespace kiv5::billing
