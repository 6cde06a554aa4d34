#pragma once

// The answer store: per program ten pages of numbered text slots that the
// document commands fill and that are merged into the page templates.

#include <QList>
#include <QString>

#include <array>

namespace kiv5 {

// The two programs that print through page templates. They differ in their
// slot tables and in how a page's codes are replaced.
enum class DocumentProgram { Client, Billing };

constexpr int kAnswerPageCount = 10;

// What a slot carries beside its text.
struct TAObj {
    bool OvRide = false; // a money answer is coloured (\cf1)
};

struct TAnswerSlot {
    QString Text;
    TAObj AObj;
    // From the page's DAT line: the type code (which code the billing program
    // replaces with this slot) and the third real number, kept for documents.
    int DatType = 0;
    double DatReal = 0.0;
};

using TAnswerPage = QList<TAnswerSlot>;

struct TPAnsw {
    std::array<int, kAnswerPageCount> PageCount{};
    std::array<TAnswerPage, kAnswerPageCount> Page;
};

// The highest slot number of each page.
const std::array<int, kAnswerPageCount>& MaxPageArray(DocumentProgram program);

class TAnswer {
public:
    explicit TAnswer(DocumentProgram program);

    DocumentProgram Program() const { return program_; }
    // Highest slot number of a page; -1 for a page number out of range.
    int MaxSlot(int page) const;
    bool HasSlot(int page, int slot) const;

    // Slot access. Setting a slot that does not exist changes nothing;
    // reading one gives an empty text.
    QString Answer(int page, int slot) const;
    void SetAnswer(int page, int slot, const QString& text);
    bool OvRide(int page, int slot) const;
    void SetOvRide(int page, int slot, bool on);
    // The third real number of the slot's DAT line (0 until the DAT is read).
    double DatReal(int page, int slot) const;
    int DatType(int page, int slot) const;

    // Sets slots first..last of a page to empty text (flags stay).
    void ClearSlots(int page, int first, int last);
    void ClearPage(int page, int lastSlot) { ClearSlots(page, 0, lastSlot); }

    const TAnswerPage& Page(int page) const;
    TAnswerPage& Page(int page);

    QString ProgramName;
    double VersionNo = 0.0;
    std::array<int, kAnswerPageCount> MAXPAGEARRAY{};
    TPAnsw PAnsw;

private:
    const TAnswerSlot* FindSlot(int page, int slot) const;
    TAnswerSlot* FindSlot(int page, int slot);

    DocumentProgram program_;
};

} // namespace kiv5
