#include "common/core/Answers.h"

#include <QtGlobal>

namespace kiv5 {
namespace {

// Client: labels 0-1, phone book 2 (its 300 entries and page data), full
// printout 3. Billing: bill 0, itemized statement 1, month, week, day 2-4.
constexpr std::array<int, kAnswerPageCount> kClientMaxPageArray = {150, 150, 325, 150, 150,
                                                                   150, 150, 150, 150, 150};
constexpr std::array<int, kAnswerPageCount> kBillingMaxPageArray = {150, 200, 100, 100, 100,
                                                                    150, 150, 150, 150, 150};

const TAnswerPage kNoPage;

bool IsPage(int page) {
    return page >= 0 && page < kAnswerPageCount;
}

} // namespace

const std::array<int, kAnswerPageCount>& MaxPageArray(DocumentProgram program) {
    return program == DocumentProgram::Client ? kClientMaxPageArray : kBillingMaxPageArray;
}

TAnswer::TAnswer(DocumentProgram program) : MAXPAGEARRAY(MaxPageArray(program)), program_(program) {
    if (program == DocumentProgram::Client) {
        ProgramName = QStringLiteral("Pellary5");
        VersionNo = 5.09;
    } else {
        ProgramName = QStringLiteral("Quenby5");
        VersionNo = 5.15;
    }
    for (int page = 0; page < kAnswerPageCount; ++page) {
        PAnsw.Page[static_cast<std::size_t>(page)].resize(
            MAXPAGEARRAY[static_cast<std::size_t>(page)] + 1);
    }
}

int TAnswer::MaxSlot(int page) const {
    return IsPage(page) ? static_cast<int>(Page(page).size()) - 1 : -1;
}

bool TAnswer::HasSlot(int page, int slot) const {
    return slot >= 0 && slot <= MaxSlot(page);
}

const TAnswerPage& TAnswer::Page(int page) const {
    return IsPage(page) ? PAnsw.Page[static_cast<std::size_t>(page)] : kNoPage;
}

TAnswerPage& TAnswer::Page(int page) {
    Q_ASSERT(IsPage(page));
    return PAnsw.Page[static_cast<std::size_t>(qBound(0, page, kAnswerPageCount - 1))];
}

const TAnswerSlot* TAnswer::FindSlot(int page, int slot) const {
    return HasSlot(page, slot) ? &PAnsw.Page[static_cast<std::size_t>(page)][slot] : nullptr;
}

TAnswerSlot* TAnswer::FindSlot(int page, int slot) {
    if (!HasSlot(page, slot)) {
        qWarning("Answer slot %d of page %d does not exist", slot, page);
        return nullptr;
    }
    return &PAnsw.Page[static_cast<std::size_t>(page)][slot];
}

QString TAnswer::Answer(int page, int slot) const {
    const TAnswerSlot* s = FindSlot(page, slot);
    return s ? s->Text : QString();
}

void TAnswer::SetAnswer(int page, int slot, const QString& text) {
    if (TAnswerSlot* s = FindSlot(page, slot)) {
        s->Text = text;
    }
}

bool TAnswer::OvRide(int page, int slot) const {
    const TAnswerSlot* s = FindSlot(page, slot);
    return s && s->AObj.OvRide;
}

void TAnswer::SetOvRide(int page, int slot, bool on) {
    if (TAnswerSlot* s = FindSlot(page, slot)) {
        s->AObj.OvRide = on;
    }
}

double TAnswer::DatReal(int page, int slot) const {
    const TAnswerSlot* s = FindSlot(page, slot);
    return s ? s->DatReal : 0.0;
}

int TAnswer::DatType(int page, int slot) const {
    const TAnswerSlot* s = FindSlot(page, slot);
    return s ? s->DatType : 0;
}

void TAnswer::ClearSlots(int page, int first, int last) {
    if (!IsPage(page)) {
        return;
    }
    TAnswerPage& entries = Page(page);
    const int from = qMax(0, first);
    const int to = qMin(last, static_cast<int>(entries.size()) - 1);
    for (int i = from; i <= to; ++i) {
        entries[i].Text.clear();
    }
}

} // namespace kiv5
