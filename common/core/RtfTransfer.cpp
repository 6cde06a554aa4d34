#include "common/core/RtfTransfer.h"

#include "common/core/RtfAnswerFormat.h"
#include "common/core/RtfDatFile.h"
#include "common/core/RtfFontSize.h"
#include "common/core/RtfVariableCode.h"
#include "common/core/RtfWingDings.h"

#include <QList>

namespace kiv5 {
namespace {

// A stretch of the page that came from an answer.
struct Inserted {
    qsizetype start;
    qsizetype end;
};

bool Overlaps(const QList<Inserted>& inserted, qsizetype start, qsizetype end) {
    for (const Inserted& r : inserted) {
        if (start < r.end && r.start < end) {
            return true;
        }
    }
    return false;
}

std::optional<RtfVariableCode> FindFirstCode(const QString& text, QChar type, int slot,
                                             const QList<Inserted>& inserted) {
    for (qsizetype at = text.indexOf(QLatin1Char('/')); at >= 0;
         at = text.indexOf(QLatin1Char('/'), at + 1)) {
        const auto code = ReadVariableCodeAt(text, at);
        if (code && code->Type == type && code->Slot == slot &&
            !Overlaps(inserted, code->Start, code->End)) {
            return code;
        }
    }
    return std::nullopt;
}

void ShiftAfter(QList<Inserted>& inserted, qsizetype from, qsizetype delta) {
    for (Inserted& r : inserted) {
        if (r.start >= from) {
            r.start += delta;
            r.end += delta;
        }
    }
}

} // namespace

void TransferAnswers(QString& MainBuf, const TAnswerPage& answers, const ErrorSink& errors) {
    const QString wingDingStr = GetWingDingStr(MainBuf);
    int fontSize = kDefaultFontSizeInTwips;
    qsizetype insertedEnd = 0;
    for (qsizetype p = 0; p + 3 < MainBuf.size(); ++p) {
        if (IsFontSizeControlAt(MainBuf, p)) {
            SetCurrentFontSizeInTwips(MainBuf, p, fontSize, errors);
        }
        if (p < insertedEnd || MainBuf[p] != QLatin1Char('/')) {
            continue;
        }
        const auto code = ReadVariableCodeAt(MainBuf, p);
        if (!code || code->Slot >= answers.size()) {
            continue;
        }
        const QString text =
            FormatAnswerForCode(code->Type, answers[code->Slot], wingDingStr, fontSize, errors);
        MainBuf.replace(p, code->End - p, text);
        insertedEnd = p + text.size();
        --p; // look at p again: inserted text counts for font sizes, not codes
    }
}

void TransferAnswersPerSlot(QString& MainBuf, const TAnswerPage& answers, const ErrorSink& errors) {
    const QString wingDingStr = GetWingDingStr(MainBuf);
    int fontSize = kDefaultFontSizeInTwips;
    QList<Inserted> inserted;
    for (int slot = 0; slot < answers.size(); ++slot) {
        const auto type = DatTypeToCodeChar(answers[slot].DatType);
        if (!type) {
            continue;
        }
        const auto code = FindFirstCode(MainBuf, *type, slot, inserted);
        if (!code) {
            continue;
        }
        if (const auto fs = LastFontSizeControlBefore(MainBuf, code->Start)) {
            SetCurrentFontSizeInTwips(MainBuf, *fs, fontSize, errors);
        }
        const QString text =
            FormatAnswerForCode(*type, answers[slot], wingDingStr, fontSize, errors);
        MainBuf.replace(code->Start, code->End - code->Start, text);
        ShiftAfter(inserted, code->End, text.size() - (code->End - code->Start));
        inserted.append({code->Start, code->Start + text.size()});
    }
}

void TransferAnswers(QString& MainBuf, const TAnswerPage& answers, DocumentProgram program,
                     const ErrorSink& errors) {
    if (program == DocumentProgram::Client) {
        TransferAnswers(MainBuf, answers, errors);
    } else {
        TransferAnswersPerSlot(MainBuf, answers, errors);
    }
}

} // namespace kiv5
