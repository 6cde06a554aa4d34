#pragma once

// The client record: one slot of a ".pl5" client file. The billing and
// bookkeeping programs read client files through this layout too.

#include "common/core/RecordCodec.h"

#include <QString>
#include <array>

namespace kiv5 {

struct NameRec {
    bool Selected = false;
    QString ClientNo;
    QString LastName;
    QString FirstName;
    QString Company;
    QString Address1;
    QString Address2;
    QString City;
    qint32 State = -1; // 0-50, -1 for none
    QString ZipCode;
    QString Phone;
    QString Cell;
    QString Fax;
    QString EMail;
    QString Note1;
    QString Note2;
    QString Memo; // line breaks encoded as " | ", first 255 characters
    double PostTime = 0;
    double PullTime = 0;
    qint32 RecNo = 0;
    qint32 Status = 0; // 0 active, -1 hidden by the filter, -2 deleted
};

template <> struct RecordLayout<NameRec> {
    static constexpr int kSize = 992;
    static constexpr std::array kFields = {
        Field<NameRec>("Selected", 0, &NameRec::Selected),
        Field<NameRec>("ClientNo", 1, &NameRec::ClientNo, 8),
        Field<NameRec>("LastName", 10, &NameRec::LastName, 64),
        Field<NameRec>("FirstName", 75, &NameRec::FirstName, 64),
        Field<NameRec>("Company", 140, &NameRec::Company, 64),
        Field<NameRec>("Address1", 205, &NameRec::Address1, 64),
        Field<NameRec>("Address2", 270, &NameRec::Address2, 64),
        Field<NameRec>("City", 335, &NameRec::City, 32),
        Field<NameRec>("State", 368, &NameRec::State),
        Field<NameRec>("ZipCode", 372, &NameRec::ZipCode, 10),
        Field<NameRec>("Phone", 383, &NameRec::Phone, 20),
        Field<NameRec>("Cell", 404, &NameRec::Cell, 20),
        Field<NameRec>("Fax", 425, &NameRec::Fax, 20),
        Field<NameRec>("EMail", 446, &NameRec::EMail, 128),
        Field<NameRec>("Note1", 575, &NameRec::Note1, 64),
        Field<NameRec>("Note2", 640, &NameRec::Note2, 64),
        Field<NameRec>("Memo", 705, &NameRec::Memo, 255),
        // 961-967: padding
        Field<NameRec>("PostTime", 968, &NameRec::PostTime),
        Field<NameRec>("PullTime", 976, &NameRec::PullTime),
        Field<NameRec>("RecNo", 984, &NameRec::RecNo),
        Field<NameRec>("Status", 988, &NameRec::Status),
    };
};

static_assert(IsValidLayout<NameRec>());
static_assert(RecordLayout<NameRec>::kSize == 992);
static_assert(FieldOffset<NameRec>("Memo") == 705 && FieldOffset<NameRec>("Status") == 988);

constexpr int kNameRecSize = RecordLayout<NameRec>::kSize;
// The record holds this much of the encoded memo; longer memos go to the memo file.
constexpr int kMemoCapacity = 255;

// Client status values as stored and as the table's status column holds them.
constexpr qint32 kStatusActive = 0;
constexpr qint32 kStatusFiltered = -1;
constexpr qint32 kStatusDeleted = -2;

} // namespace kiv5
