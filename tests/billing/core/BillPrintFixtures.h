#pragma once

// An open billing file "june" for the print commands: five bills by name
// (Alice, Bob, Carol, Dan, Eve), Alice, Bob, Dan (deleted) and Eve (hidden
// by a filter) marked; a client file, a bookkeeping set with Alice's payment
// and charge, and Alice's statement in the statement folder.

#include "billing/core/BillPrintJobs.h"
#include "billing/core/ISRec.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "tests/billing/core/BillingWorkspaceFixtures.h"

namespace kiv5::test {

// 20 February and 10 January 2011.
inline constexpr double kFebruary20 = 40594;
inline constexpr double kJanuary10 = 40553;

inline billing::ISRec StatementLine(double date, const QString& text, double hours,
                                    qint64 rateUnits = 2'000'000) {
    billing::ISRec line;
    line.ServiceDate = date;
    line.ServiceDescription = text;
    line.TimeSpent = hours;
    line.HourlyRate = rateUnits;
    return line;
}

class PrintFolder : public BillingFolder {
public:
    PrintFolder() {
        QDir().mkpath(StatementFolder());
        WriteClients({Client("A1", "Adams", "Alice"), Client("B2", "Brown", "Bob"),
                      Client("C3", "Clark", "Carol"), Client("D4", "Dole", "Dan"),
                      Client("E5", "Evans", "Eve")});
        books::IncRec payment;
        payment.ClientNo = QStringLiteral("a1");
        payment.Date = kFebruary1 + 9;
        payment.Payor = QStringLiteral("Alice pays");
        payment.Amount = 300'000;
        WriteAllRecords(Books() + QStringLiteral("kiv5.inc"), std::vector{payment});
        books::ExpRec charge;
        charge.ClientNo = QStringLiteral("A1");
        charge.Date = kFebruary1 + 14;
        charge.Payee = QStringLiteral("Court fee");
        charge.Amount = 125'000;
        WriteAllRecords(Books() + QStringLiteral("kiv5.exp"), std::vector{charge});
        alicePath = WriteStatement(QStringLiteral("alice.is5"),
                                   {StatementLine(kJanuary10, QStringLiteral("Billed before"), 2),
                                    StatementLine(kFebruary20, QStringLiteral("Drafting"), 1.5)});
        bills = {Bill(QStringLiteral("Alice Adams"), QStringLiteral("A1"), 10000),
                 Bill(QStringLiteral("Bob Brown"), QStringLiteral("B2"), 5000),
                 Bill(QStringLiteral("Carol Clark"), QStringLiteral("C3"), 7000),
                 Bill(QStringLiteral("Dan Dole"), QStringLiteral("D4"), 9000),
                 Bill(QStringLiteral("Eve Evans"), QStringLiteral("E5"), 20000)};
        bills[0].ISPath[2] = alicePath;
        bills[0].Note = QStringLiteral("Thank you");
        bills[4].Interest = true;
        for (const int marked : {0, 1, 3, 4}) {
            bills[static_cast<std::size_t>(marked)].Selected = true;
        }
        bills[3].Status = -2;
        bills[4].Status = -1;
        WriteBills(QStringLiteral("june"), bills);
    }

    QString StatementFolder() const { return Files() + QStringLiteral("IS/"); }
    QString WriteStatement(const QString& name, const std::vector<billing::ISRec>& lines) const {
        WriteAllRecords(StatementFolder() + name, lines);
        return StatementFolder() + name;
    }
    QString Document() const { return File(QStringLiteral("june - Selected Forms.RTF")); }

    // Settings pointing here, "june" open.
    void Open(billing::BillingWorkspace& ws) const {
        Configure(ws);
        ws.settings.ISDirectory = StatementFolder();
        ws.Open(File(QStringLiteral("june.qy5")));
    }

    std::vector<billing::TBillRec> bills;
    QString alicePath;
};

// The workspace on the folder and the print jobs on it, missing statements
// recorded.
struct PrintDesk {
    explicit PrintDesk(billing::BillPrintOptions options = {})
        : ws(1280, context), answers(DocumentProgram::Billing),
          jobs(
              ws, context, answers, [this](const QString& path) { boxes.append(path); },
              std::move(options)) {
        folder.Open(ws);
    }

    PrintFolder folder;
    TestContext context;
    billing::BillingWorkspace ws;
    TAnswer answers;
    QStringList boxes;
    billing::BillPrintJobs jobs;
};

inline QString DocumentText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

} // namespace kiv5::test
