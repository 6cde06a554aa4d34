#include "common/core/ErrorCatalogue.h"

#include <array>
#include <span>

namespace kiv5 {
namespace {

struct CatalogueRow {
    int number;
    const char* text;
    int helpTopic;
};

// Client and billing wording; the bookkeeping program names itself instead.
constexpr std::array<const char*, 9> kHints = {
    "One of Scrivo5's internal RTF template, DAT or VQ5 files may be corrupted. Click the Help "
    "button to learn more about these files. If restarting doesn't fix the problem it may be "
    "necessary to reinstall Scrivo5. ",
    "You can probably click OK and continue. If this error persists, restart Scrivo5. ",
    "This error might relate to Windows' memory or resource. It may be necessary to restart "
    "Scrivo5 and close any other programs.  A list of all visible and background applications "
    "that appear when you press: <CTRL><ALT><DEL>.",
    "Possible disk access error. It may be necessary to reinstall Scrivo5 if this error occurs "
    "with every client file. ",
    "An error occurred during a printing operation. Make sure your printer is ready. ",
    "If you don't want this notice to appear again in this session, click on the checkbox below. "
    "See the manual for more information. ",
    "Calculation Error. An error occurred as Scrivo5 attempted to transfer Document Wizard "
    "information to the document template.",
    "This error is usually related to the Borland Database Engine installation or incorrect "
    "aliases. ",
    "You must reduce the amount of text sent to the form referred to above. ",
};

constexpr const char* k1106 =
    "1106-You cannot save a client record that has a blank Client No. field. Either complete the "
    "Client No field or delete this client record.";
constexpr const char* k1108 =
    "1108-You cannot have a client record that has a blank Client No. field. Either complete the "
    "Client No field or delete this client record.";
constexpr const char* k1109 = "1109-The file is now packed. Space taken by previously deleted "
                              "names has been recovered. You must reopen the file.";
constexpr const char* k1110 =
    "1110-This record was modified by another user after you opened the file. Choose which "
    "record would you like to keep in the next dialog. Click Ok to continue. ";
constexpr const char* k1501 = "1501-The selected directory does not exist, or the user does not "
                              "have access to the directory. ";

constexpr std::array kClientCatalogue = {
    CatalogueRow{1106, k1106, 0},
    CatalogueRow{1107,
                 "1107-A client record cannot have a Client No. that is already assigned to "
                 "another client. You must give this client a new number or delete the client "
                 "record.",
                 0},
    CatalogueRow{1108, k1108, 0},
    CatalogueRow{1109, k1109, 0},
    CatalogueRow{1110, k1110, 0},
    CatalogueRow{1111,
                 "1111-You cannot save a client record that has a blank Last Name field. Either "
                 "complete the Last Name field or delete this client record.",
                 0},
    CatalogueRow{1501, k1501, 505},
    CatalogueRow{2101, "2101-Reserved. ", 0},
    CatalogueRow{3001, "3001-Registry settings missing. ", 0},
};

constexpr std::array kBookkeepingCatalogue = {
    CatalogueRow{1106, k1106, 0},
    CatalogueRow{1108, k1108, 0},
    CatalogueRow{1109, k1109, 0},
    CatalogueRow{1110, k1110, 0},
    CatalogueRow{1116,
                 "1116-No PL5 File Set. There is no link set to a Pellary5 file. Use the Options "
                 "menu's Set Default Directory to let Sumora5 know where the PL5 files are located "
                 "and also the Set PL5 File command to set a link to a specific file. ",
                 0},
    CatalogueRow{1501, k1501, 0},
    CatalogueRow{2101,
                 "2101-GetVariableNo. Sumora5 was unable to read a variable number in a deed or "
                 "document RTF file. The variable code started \"/*\" but was not succeeded by a "
                 "valid number. Reinstalling the program should fix the template. ",
                 0},
};

constexpr std::array kBillingCatalogue = {
    CatalogueRow{1106, k1106, 0},
    CatalogueRow{1110, k1110, 0},
    CatalogueRow{1112, "1112-CalcBill. Client number not found in PL5 file. ", 0},
    CatalogueRow{1113, "1113-You cannot delete the last entry in an existing table. ", 0},
    CatalogueRow{1115,
                 "1115-No PL5 File Set. There is no link set to a Pellary5 file. Use the Options "
                 "menu's Set Default Directory to let Quenby5 know where the PL5 files are located "
                 "and also the Set PL5 File command to set a link to a specific file. ",
                 0},
    CatalogueRow{1201, "1201-Sumora5 income file not found.", 0},
    CatalogueRow{1202, "1202-Sumora5 expense file not found.", 0},
    CatalogueRow{1204, "1204-Itemized Statement file not found.", 0},
    CatalogueRow{1301, "1301-Calendar file not found.", 0},
    // Its Help button, as in the client program.
    CatalogueRow{1501, k1501, 505},
};

std::span<const CatalogueRow> CatalogueOf(Program program) {
    switch (program) {
    case Program::Client:
        return kClientCatalogue;
    case Program::Bookkeeping:
        return kBookkeepingCatalogue;
    case Program::Billing:
        return kBillingCatalogue;
    }
    return {};
}

const CatalogueRow* FindRow(Program program, int messageNumber) {
    for (const CatalogueRow& row : CatalogueOf(program)) {
        if (row.number == messageNumber) {
            return &row;
        }
    }
    return nullptr;
}

// Integer division rounding toward minus infinity.
int FloorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

} // namespace

DecodedError DecodeErrorCode(int code) {
    int message = FloorDivide(code, 10);
    const int remainder = code - 10 * message;
    if (remainder > 5 || (remainder == 5 && message % 2 != 0)) {
        ++message;
    }
    return {message, code - 10 * message};
}

QString HintText(Program program, int hintIndex) {
    if (hintIndex < 1 || hintIndex > int(kHints.size())) {
        return {};
    }
    QString text = QString::fromUtf8(kHints[hintIndex - 1]);
    if (program == Program::Bookkeeping) {
        text.replace(QStringLiteral("Scrivo5"), QStringLiteral("Sumora5"));
        text.replace(QStringLiteral("VQ5"), QStringLiteral("SU5"));
    }
    return text;
}

QString MessageText(Program program, int messageNumber) {
    if (const CatalogueRow* row = FindRow(program, messageNumber)) {
        return QString::fromUtf8(row->text);
    }
    return QStringLiteral("Unidentified error -  ") + QString::number(messageNumber);
}

int HelpTopic(Program program, int messageNumber) {
    const CatalogueRow* row = FindRow(program, messageNumber);
    return row ? row->helpTopic : 0;
}

} // namespace kiv5
