#pragma once

// What every fuzz target shares: the input split into the files a reader
// takes, one scratch folder per run emptied before each input, a context that
// stands still and ignores error codes, and the guard that lets the suite's
// own errors through. Anything else a reader throws, and every sanitizer
// report, is a finding.

#include "common/core/Exceptions.h"
#include "common/core/OfficeContext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace kiv5::fuzz {

// Separates the files of an input that a reader takes together (a backup's
// listing and its rows, a template and its DAT).
inline constexpr char kPartSeparator[] = "\n==kiv5 next file==\n";

// The files of an input in order; an input without a separator is one file.
QList<QByteArray> SplitParts(const std::uint8_t* data, std::size_t size);
QByteArray JoinParts(const QList<QByteArray>& parts);

// The run's scratch folder (with a trailing separator), emptied.
QString FreshFolder();
// Writes the bytes as `name` in the scratch folder and returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);

// A clock fixed at one moment and an error sink that only counts.
const OfficeContext& QuietContext();

// Runs the reader; the suite's IoError and ConversionError are its clear
// messages and end the input quietly.
template <class F> void Guarded(F&& reader) {
    try {
        reader();
    } catch (const Kiv5Error&) {
    }
}

} // namespace kiv5::fuzz

// Each target defines this, as libFuzzer wants it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
