#pragma once

// The client record on the clipboard: the name and address fields of one
// client as 545 bytes under the program's own MIME type, beside a plain text
// form for other programs.

#include "common/core/RecordCodec.h"
#include "common/core/RecordTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

class QMimeData;

namespace kiv5 {

struct TPL5Rec {
    bool Selected = false;
    QString LastName;
    QString FirstName;
    QString Company;
    QString Address1;
    QString Address2;
    QString City;
    QString State; // the two-letter abbreviation
    QString ZipCode;
    QString Phone;
    QString Cell;
    QString Note1;
    QString Note2;
};

// Text fields follow each other without gaps.
template <> struct RecordLayout<TPL5Rec> {
    static constexpr int kSize = 545;
    static constexpr std::array kFields = {
        Field<TPL5Rec>("Selected", 0, &TPL5Rec::Selected),
        Field<TPL5Rec>("LastName", 1, &TPL5Rec::LastName, 64),
        Field<TPL5Rec>("FirstName", 66, &TPL5Rec::FirstName, 64),
        Field<TPL5Rec>("Company", 131, &TPL5Rec::Company, 64),
        Field<TPL5Rec>("Address1", 196, &TPL5Rec::Address1, 64),
        Field<TPL5Rec>("Address2", 261, &TPL5Rec::Address2, 64),
        Field<TPL5Rec>("City", 326, &TPL5Rec::City, 32),
        Field<TPL5Rec>("State", 359, &TPL5Rec::State, 2),
        Field<TPL5Rec>("ZipCode", 362, &TPL5Rec::ZipCode, 10),
        Field<TPL5Rec>("Phone", 373, &TPL5Rec::Phone, 20),
        Field<TPL5Rec>("Cell", 394, &TPL5Rec::Cell, 20),
        Field<TPL5Rec>("Note1", 415, &TPL5Rec::Note1, 64),
        Field<TPL5Rec>("Note2", 480, &TPL5Rec::Note2, 64),
    };
};

static_assert(IsValidLayout<TPL5Rec>());
static_assert(FieldOffset<TPL5Rec>("Note2") + 65 == RecordLayout<TPL5Rec>::kSize);

constexpr int kTPL5RecSize = RecordLayout<TPL5Rec>::kSize;

// The clipboard format of a client record.
inline constexpr char kClientMimeType[] = "application/x-pellary5-client";

// The record of a table row (columns 3-12, 15 and 16), each text cut to its
// field's capacity; Selected stays clear.
TPL5Rec MakeTPL5Rec(const RecordTable& table, int row);

// The plain text form, every line ended by CR LF: last name, ", ", first
// name; the company (only when not empty); address 1; address 2 (only when
// not empty); city, ", ", state, two blanks, ZIP.
QString ClientClipboardText(const TPL5Rec& rec);

QByteArray EncodeTPL5Rec(const TPL5Rec& rec);
// Nothing for bytes of any other size; a length byte above a field's
// capacity is clamped to it.
std::optional<TPL5Rec> DecodeTPL5Rec(QByteArrayView bytes);

// Copies the fields into a table row (columns 3-12, 15 and 16); a state that
// is no known abbreviation pastes as none. Rows outside 1..n are left alone.
void PasteTPL5Rec(RecordTable& table, int row, const TPL5Rec& rec);

// Copy: the record's bytes under kClientMimeType and its text form. The
// caller owns the result (the clipboard takes it over).
QMimeData* MakeClientMimeData(const TPL5Rec& rec);
// Paste: the record when the data holds the program's own format with a
// record of the right size; nothing otherwise.
std::optional<TPL5Rec> ClientFromMimeData(const QMimeData& data);
// True when the data claims the program's own format but holds bytes of
// another size: a record from a foreign or broken program.
bool HasBrokenClientRecord(const QMimeData& data);
QString BrokenClipboardText(const QMimeData& data);

} // namespace kiv5
