#include "books/core/BooksWorkspace.h"
#include "books/core/CheckPdf.h"
#include "books/core/LedgerEntry.h"
#include "books/core/LedgerFilter.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "tests/faults/SweepData.h"
#include "tests/faults/WorkspaceSubject.h"
#include "tests/support/TestMain.h"

#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::books;
using namespace kiv5::test;

namespace {

using Subject = WorkspaceSubject<BooksWorkspace>;
using Prepare = Subject::Step;
using Command = Subject::Command;

constexpr int kScreenWidth = 1044;

void Configure(BooksWorkspace& ws, const tool::DemoSet& set) {
    ws.settings.FilesDirectory = set.booksFolder;
    ws.settings.PL5Directory = set.clientFolder;
    ws.settings.PL5FileName = QFileInfo(set.clientFiles.clientFile).fileName();
}

// The open set read afresh must hold what the workspace holds.
QString SetVersusDisk(BooksWorkspace& ws, const tool::DemoSet& set) {
    if (!ws.IsOpen()) {
        return {};
    }
    TestContext context;
    BooksWorkspace fresh(kScreenWidth, context);
    Configure(fresh, set);
    try {
        fresh.Open(ws.FileName());
    } catch (const Kiv5Error& e) {
        return QStringLiteral("the open set does not read back: ") + e.Message();
    }
    QString differs = CompareTables(ws.Income().Table(), fresh.Income().Table());
    if (differs.isEmpty()) {
        differs = CompareTables(ws.Expense().Table(), fresh.Expense().Table());
    }
    if (differs.isEmpty() && ws.AccountStrList() != fresh.AccountStrList()) {
        differs = QStringLiteral("the account list differs from its file");
    }
    if (differs.isEmpty() && ws.CategoryStrList() != fresh.CategoryStrList()) {
        differs = QStringLiteral("the category list differs from its file");
    }
    return differs;
}

QStringList SetMembers(const SweepData& data, const QString& base) {
    const BooksFiles files = BooksFilesFor(data.set.booksFolder, base);
    return {data.Relative(files.setFile), data.Relative(files.income), data.Relative(files.expense),
            data.Relative(files.accounts), data.Relative(files.categories)};
}

// Record commands change one ledger at a time; commands that replace files
// replace the set's members together.
enum class Members { Together, OneLedgerAtATime };

SweepCommand BooksCommand(const SweepData& data, const QString& name, Prepare prepare, Command run,
                          QList<QStringList> groups = {}, Members members = Members::Together,
                          Subject::Check tableCheck = {}) {
    const tool::DemoSet set = data.set;
    const auto make = [set, prepare, run, tableCheck](const QString&, TestContext& context) {
        auto ws = std::make_unique<BooksWorkspace>(kScreenWidth, context);
        const Prepare open = [set, prepare](BooksWorkspace& w) {
            Configure(w, set);
            w.Open(set.setFile);
            if (prepare) {
                prepare(w);
            }
        };
        const auto check = [set, tableCheck](BooksWorkspace& w) {
            return tableCheck && tableCheck(w).isEmpty() ? QString() : SetVersusDisk(w, set);
        };
        return std::make_unique<Subject>(std::move(ws), open, run, check);
    };
    if (members == Members::Together) {
        groups.prepend(SetMembers(data, QFileInfo(data.set.setFile).fileName()));
    }
    return MakeSweepCommand(name, make, groups);
}

QString Done() {
    return {};
}

QString SaveText(const RecordSaveOutcome& outcome) {
    return outcome.kind == RecordSaveOutcome::Saved
               ? Done()
               : QStringLiteral("save outcome %1 code %2").arg(outcome.kind).arg(outcome.code);
}

Command SaveFirst(LedgerId id) {
    return [id](BooksWorkspace& ws) {
        LedgerEntry entry = EntryOfRow(ws.LedgerOf(id).Table(), 1);
        entry.description += QStringLiteral(" (again)");
        return SaveText(ws.SaveRecord(id, 1, entry));
    };
}

template <class F> Command Plain(F command) {
    return [command](BooksWorkspace& ws) {
        command(ws);
        return Done();
    };
}

FilterRec PartyFilter() {
    FilterRec criteria;
    criteria.Payxx = QStringLiteral("a");
    return criteria;
}

// A save that met another user's version, not yet resolved: the row holds
// the edited version the disk does not. A failed resolve leaves it so.
struct OpenConflict {
    LedgerConflict conflict;
    QStringList rows;
};

// Another user, a minute later, saves the first income record; this
// copy's save of it then finds the other version.
Prepare IncomeConflict(const tool::DemoSet& set, std::shared_ptr<OpenConflict> open) {
    return [set, open](BooksWorkspace& ws) {
        TestContext later(TestContext().now.addSecs(60));
        BooksWorkspace other(kScreenWidth, later);
        Configure(other, set);
        other.Open(set.setFile);
        LedgerEntry theirs = EntryOfRow(other.Income().Table(), 1);
        theirs.description += QStringLiteral(" (theirs)");
        other.SaveRecord(LedgerId::Income, 1, theirs);
        LedgerEntry mine = EntryOfRow(ws.Income().Table(), 1);
        mine.description += QStringLiteral(" (mine)");
        const RecordSaveOutcome outcome = ws.SaveRecord(LedgerId::Income, 1, mine);
        if (outcome.kind != RecordSaveOutcome::Conflict) {
            throw IoError(QStringLiteral("the second save found no conflict"));
        }
        open->conflict = outcome.conflict;
        open->rows = TableRows(ws.Income().Table());
    };
}

QList<SweepCommand> BooksCommands(const SweepData& data) {
    const QString folder = data.set.booksFolder;
    auto backup = std::make_shared<QString>();
    auto conflict = std::make_shared<OpenConflict>();
    return {
        BooksCommand(data, "save income record", {}, SaveFirst(LedgerId::Income)),
        BooksCommand(data, "save expense record", {}, SaveFirst(LedgerId::Expense)),
        BooksCommand(data, "add income record", {},
                     [](BooksWorkspace& ws) {
                         const AddOutcome added = ws.Add(LedgerId::Income);
                         return added.code == 0 ? Done()
                                                : QStringLiteral("add code %1").arg(added.code);
                     }),
        BooksCommand(data, "add expense record", {},
                     [](BooksWorkspace& ws) {
                         const AddOutcome added = ws.Add(LedgerId::Expense);
                         return added.code == 0 ? Done()
                                                : QStringLiteral("add code %1").arg(added.code);
                     }),
        BooksCommand(
            data, "resolve a conflict keeping the edited income record",
            IncomeConflict(data.set, conflict),
            [conflict](BooksWorkspace& ws) {
                ws.ResolveConflict(LedgerId::Income, conflict->conflict, true);
                return Done();
            },
            {}, Members::OneLedgerAtATime,
            [conflict](BooksWorkspace& ws) {
                return TableRows(ws.Income().Table()) == conflict->rows ? QString()
                                                                        : QStringLiteral("changed");
            }),
        BooksCommand(data, "delete income record", {},
                     [](BooksWorkspace& ws) {
                         return ws.Delete(LedgerId::Income, 1, false).conflict
                                    ? QStringLiteral("conflict")
                                    : Done();
                     }),
        BooksCommand(data, "delete selected expense row", {},
                     Plain([](BooksWorkspace& ws) { ws.DeleteSelectedRow(LedgerId::Expense, 1); })),
        BooksCommand(data, "select all income", {},
                     Plain([](BooksWorkspace& ws) { ws.SelectAll(LedgerId::Income, true); })),
        BooksCommand(data, "filter income", {}, Plain([](BooksWorkspace& ws) {
                         ws.SetFilter(LedgerId::Income, PartyFilter());
                     })),
        BooksCommand(
            data, "cancel filters",
            [](BooksWorkspace& ws) {
                ws.SetFilter(LedgerId::Income, PartyFilter());
                ws.SetFilter(LedgerId::Expense, PartyFilter());
            },
            Plain([](BooksWorkspace& ws) { ws.CancelFilters(); }), {}, Members::OneLedgerAtATime),
        BooksCommand(data, "save as", {},
                     Plain([folder](BooksWorkspace& ws) { ws.SaveAs(folder + "copy.su5"); }),
                     {SetMembers(data, "copy.su5")}),
        BooksCommand(data, "new set", {},
                     Plain([folder](BooksWorkspace& ws) { ws.New(folder + "fresh.su5"); }),
                     {SetMembers(data, "fresh.su5")}),
        BooksCommand(
            data, "pack", [](BooksWorkspace& ws) { ws.Delete(LedgerId::Income, 2, false); },
            Plain([](BooksWorkspace& ws) { ws.Pack(); })),
        BooksCommand(data, "backup", {}, Plain([](BooksWorkspace& ws) { ws.Backup(); })),
        BooksCommand(
            data, "restore",
            [backup](BooksWorkspace& ws) {
                *backup = ws.Backup().listing;
                ws.Delete(LedgerId::Income, 1, false);
                ws.Close();
            },
            Plain([backup](BooksWorkspace& ws) { ws.Restore(*backup); })),
        BooksCommand(data, "check to PDF", {}, Plain([folder](BooksWorkspace&) {
                         TestContext context;
                         WriteCheckPdf(folder + CheckPdfFileName(QStringLiteral("1001")),
                                       SampleCheckValues(DateToDayCount(context.now.date())),
                                       CheckPageOptions{}, context.errors);
                     })),
        BooksCommand(data, "export", {}, Plain([folder](BooksWorkspace& ws) {
                         ws.Export(folder + "export.txt", false);
                     })),
        BooksCommand(data, "set accounts", {}, Plain([](BooksWorkspace& ws) {
                         ws.SetAccounts({QStringLiteral("Bank"), QStringLiteral("Cash")});
                     })),
        BooksCommand(data, "set categories", {}, Plain([](BooksWorkspace& ws) {
                         ws.SetCategories({QStringLiteral("Fees"), QStringLiteral("Travel")});
                     })),
        BooksCommand(data, "add category", {}, Plain([](BooksWorkspace& ws) {
                         ws.AddCategory(QStringLiteral("Courier Fees"));
                     })),
        BooksCommand(data, "link client file", {}, Plain([set = data.set](BooksWorkspace& ws) {
                         ws.SetPL5File(set.clientFiles.clientFile);
                     })),
    };
}

} // namespace

class TestBooksSweep : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(data_.IsValid()); }

    void everyCallFails_data() {
        QTest::addColumn<int>("index");
        const QList<SweepCommand> commands = BooksCommands(data_);
        for (int k = 0; k < commands.size(); ++k) {
            QTest::newRow(qPrintable(commands[k].name)) << k;
        }
    }

    void everyCallFails() {
        QFETCH(int, index);
        const SweepCommand command = BooksCommands(data_).at(index);
        ReportSweep(command, data_.Sweep(command));
    }

    // Whole-file commands when the disk fills up at any call.
    void diskFullFromEveryCall_data() {
        QTest::addColumn<int>("index");
        const QStringList wholeFile = {
            "save as", "new set",      "pack",           "backup",           "restore",
            "export",  "set accounts", "set categories", "link client file", "check to PDF"};
        const QList<SweepCommand> commands = BooksCommands(data_);
        for (int k = 0; k < commands.size(); ++k) {
            if (wholeFile.contains(commands[k].name)) {
                QTest::newRow(qPrintable(commands[k].name)) << k;
            }
        }
    }

    void diskFullFromEveryCall() {
        QFETCH(int, index);
        const SweepCommand command = BooksCommands(data_).at(index);
        ReportSweep(command, data_.Sweep(command, FaultPattern::DiskFull));
    }

private:
    SweepData data_;
};

KIV5_GUI_TEST_MAIN(TestBooksSweep)
#include "tst_BooksSweep.moc"
