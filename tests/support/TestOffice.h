#pragma once

// LibreOffice in the tests: a document written by the suite converted
// headless, with a profile of its own, as a user's word processor would open
// it. Tests that need it skip where it is not installed.

#include "tests/support/Support.h"

#include <QByteArray>
#include <QString>

namespace kiv5::test {

class TestOffice {
public:
    TestOffice();
    bool IsInstalled() const { return !soffice_.isEmpty(); }

    // Converts document beside itself through the filter ("pdf",
    // "txt:Text (encoded):UTF8"); the path of the result, empty when
    // LibreOffice made none.
    QString Convert(const QString& document, const QString& filter, const QString& extension);
    // The document as LibreOffice shows it, as text (a run of blanks as
    // blanks); empty when it made none.
    QString TextShown(const QString& document);
    // What LibreOffice printed during the last conversion.
    const QByteArray& Output() const { return output_; }

private:
    QString soffice_;
    TempFolder profile_;
    QByteArray output_;
};

} // namespace kiv5::test
