#include "billing/core/BillingBackup.h"
#include "billing/core/BillingWorkspace.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/CalendarWorkspace.h"
#include "billing/core/StatementWorkspace.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/RecordCodec.h"
#include "tests/faults/BillSweep.h"
#include "tests/faults/SweepData.h"
#include "tests/faults/WorkspaceSubject.h"
#include "tests/support/TestMain.h"

#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

QString Done() {
    return {};
}

// --- bills ---------------------------------------------------------------

template <class W, class F> std::function<QString(W&)> Plain(F command) {
    return [command](W& ws) {
        command(ws);
        return Done();
    };
}

BillFilterRec NameFilter() {
    BillFilterRec criteria;
    criteria.FullName = QStringLiteral("a");
    return criteria;
}

// A save that met another user's version, not yet resolved: the row holds
// the edited version the disk does not. A failed resolve leaves it so.
template <class Conflict> struct OpenConflict {
    Conflict conflict;
    std::shared_ptr<QStringList> rows = std::make_shared<QStringList>();
};

QDateTime AMinuteLater() {
    return TestContext().now.addSecs(60);
}

// Another user, a minute later, saves the first bill; this copy's save of
// it then finds the other version.
BillSubject::Step ConflictOnFirstBill(const tool::DemoSet& set,
                                      std::shared_ptr<OpenConflict<billing::BillConflict>> open) {
    return [set, open](BillingWorkspace& ws) {
        TestContext later(AMinuteLater());
        BillingWorkspace other(kBillScreenWidth, later);
        ConfigureBilling(other.settings, set);
        other.Open(set.linkFile);
        BillEntry theirs = other.EntryOf(1);
        theirs.note = QStringLiteral("Theirs");
        other.SaveBill(1, theirs);
        BillEntry mine = ws.EntryOf(1);
        mine.note = QStringLiteral("Mine");
        const BillSaveOutcome outcome = ws.SaveBill(1, mine);
        if (outcome.kind != BillSaveOutcome::Conflict) {
            throw IoError(QStringLiteral("the second save found no conflict"));
        }
        open->conflict = outcome.conflict;
        *open->rows = TableRows(ws.Table());
    };
}

QList<SweepCommand> BillCommands(const SweepData& data) {
    using W = BillingWorkspace;
    const QString folder = data.set.billingFolder;
    auto backup = std::make_shared<QString>();
    auto conflict = std::make_shared<OpenConflict<billing::BillConflict>>();
    const BillingBackupFiles firstBackup = BillingBackupFilesFor(data.set.linkFile, 1);
    const QStringList backupPair = {data.Relative(firstBackup.listing),
                                    data.Relative(firstBackup.rows)};
    return {
        BillCommand(data, "save bill", {},
                    [](W& ws) {
                        BillEntry entry = ws.EntryOf(1);
                        entry.fullName += QStringLiteral(" Jr.");
                        const BillSaveOutcome saved = ws.SaveBill(1, entry);
                        return saved.kind == BillSaveOutcome::Saved
                                   ? Done()
                                   : QStringLiteral("save outcome %1").arg(saved.kind);
                    }),
        BillCommand(data, "resolve a conflict keeping the edited bill",
                    ConflictOnFirstBill(data.set, conflict),
                    Plain<W>([conflict](W& ws) { ws.ResolveConflict(conflict->conflict, true); }),
                    {}, conflict->rows),
        BillCommand(data, "add bill", {},
                    [](W& ws) {
                        const BillAddOutcome added = ws.Add();
                        return added.code == 0 ? Done()
                                               : QStringLiteral("add code %1").arg(added.code);
                    }),
        BillCommand(data, "delete bill", {},
                    [](W& ws) {
                        return ws.Delete(1, false).conflict ? QStringLiteral("conflict") : Done();
                    }),
        BillCommand(data, "delete selected bill", {},
                    Plain<W>([](W& ws) { ws.DeleteSelectedRow(1); })),
        BillCommand(data, "select all", {}, Plain<W>([](W& ws) { ws.SelectAll(true); })),
        BillCommand(data, "filter", {}, Plain<W>([](W& ws) { ws.SetFilter(NameFilter()); })),
        BillCommand(
            data, "cancel filter", [](W& ws) { ws.SetFilter(NameFilter()); },
            Plain<W>([](W& ws) { ws.CancelFilter(); })),
        BillCommand(data, "save as", {},
                    Plain<W>([folder](W& ws) { ws.SaveAs(folder + "copy.qy5"); }),
                    {BillingPair(data, "copy.qy5")}),
        BillCommand(data, "new file", {},
                    Plain<W>([folder](W& ws) { ws.New(folder + "fresh.qy5"); }),
                    {BillingPair(data, "fresh.qy5")}),
        BillCommand(data, "billing backup", {}, Plain<W>([](W& ws) { ws.MakeBillingBackup(); }),
                    {backupPair}),
        BillCommand(data, "calendar backup", {}, Plain<W>([](W& ws) { ws.MakeCalendarBackup(); })),
        BillCommand(
            data, "restore billing backup",
            [backup](W& ws) {
                *backup = ws.MakeBillingBackup().listing;
                ws.Delete(1, false);
            },
            Plain<W>([backup](W& ws) { ws.RestoreBillingBackup(*backup); })),
        BillCommand(
            data, "restore calendar backup", [backup](W& ws) { *backup = ws.MakeCalendarBackup(); },
            Plain<W>([backup](W& ws) { ws.RestoreCalendarBackup(*backup); })),
        BillCommand(data, "export", {},
                    Plain<W>([folder](W& ws) { ws.Export(folder + "export.txt", false); })),
        BillCommand(
            data, "link client file", {},
            Plain<W>([file = data.set.clientFiles.clientFile](W& ws) { ws.SetPL5File(file); })),
        BillCommand(data, "link bookkeeping set", {},
                    [file = data.set.setFile](W& ws) {
                        const int code = ws.SetSU5File(file);
                        return code == 0 ? Done() : QStringLiteral("link code %1").arg(code);
                    }),
        BillCommand(
            data, "close with automatic backups",
            [](W& ws) { ws.settings.AutomaticBackupFlag = true; },
            [](W& ws) {
                const AutomaticBackupOutcome outcome = ws.Close();
                return outcome.failures.join(u'\n');
            },
            {backupPair}),
    };
}

// --- statements ----------------------------------------------------------

struct Statement {
    explicit Statement(TestContext& context) : ws(settings, context) {}
    BillingSettings settings;
    StatementWorkspace ws;
};

using StatementSubject = WorkspaceSubject<Statement>;

QString StatementVersusDisk(Statement& s) {
    if (!s.ws.IsOpen()) {
        return {};
    }
    TestContext context;
    Statement fresh(context);
    fresh.settings = s.settings;
    try {
        fresh.ws.Open(s.ws.Path());
    } catch (const Kiv5Error& e) {
        return QStringLiteral("the statement does not read back: ") + e.Message();
    }
    return CompareTables(s.ws.Table(), fresh.ws.Table());
}

SweepCommand StatementCommand(const SweepData& data, const QString& name,
                              StatementSubject::Step prepare, StatementSubject::Command run,
                              std::shared_ptr<const QStringList> keptRows = {}) {
    const tool::DemoSet set = data.set;
    const auto make = [set, prepare, run, keptRows](const QString&, TestContext& context) {
        auto statement = std::make_unique<Statement>(context);
        const StatementSubject::Step open = [set, prepare](Statement& s) {
            ConfigureBilling(s.settings, set);
            s.ws.Open(set.statementFiles.first());
            if (prepare) {
                prepare(s);
            }
        };
        const auto check = [keptRows](Statement& st) {
            return keptRows && TableRows(st.ws.Table()) == *keptRows ? QString()
                                                                     : StatementVersusDisk(st);
        };
        return std::make_unique<StatementSubject>(std::move(statement), open, run, check);
    };
    return MakeSweepCommand(name, make);
}

// Another user, a minute later, saves the first line of the statement;
// this copy's save of it then finds the other version.
StatementSubject::Step LineConflict(std::shared_ptr<OpenConflict<StatementConflict>> open) {
    return [open](Statement& s) {
        TestContext later(AMinuteLater());
        Statement other(later);
        other.settings = s.settings;
        other.ws.Open(s.ws.Path());
        StatementEntry theirs = other.ws.EntryOf(1);
        theirs.description += QStringLiteral(" (theirs)");
        other.ws.SaveToTable(1, theirs);
        StatementEntry mine = s.ws.EntryOf(1);
        mine.description += QStringLiteral(" (mine)");
        const StatementSaveOutcome outcome = s.ws.SaveToTable(1, mine);
        if (outcome.kind != StatementSaveOutcome::Conflict) {
            throw IoError(QStringLiteral("the second save found no conflict"));
        }
        open->conflict = outcome.conflict;
        *open->rows = TableRows(s.ws.Table());
    };
}

QList<SweepCommand> StatementCommands(const SweepData& data) {
    using S = Statement;
    const QString calendar = data.set.calendarFile;
    const QString fresh = data.set.statementFolder + QStringLiteral("new client.is5");
    auto conflict = std::make_shared<OpenConflict<StatementConflict>>();
    return {
        StatementCommand(
            data, "resolve a conflict keeping the edited line", LineConflict(conflict),
            Plain<S>([conflict](S& s) { s.ws.ResolveConflict(conflict->conflict, true); }),
            conflict->rows),
        StatementCommand(data, "open a new statement", {},
                         Plain<S>([fresh](S& s) { s.ws.Open(fresh); })),
        StatementCommand(data, "save statement line", {},
                         [](S& s) {
                             StatementEntry entry = s.ws.EntryOf(1);
                             entry.description += QStringLiteral(" again");
                             return s.ws.SaveToTable(1, entry).kind == StatementSaveOutcome::Saved
                                        ? Done()
                                        : QStringLiteral("conflict");
                         }),
        StatementCommand(data, "add statement line", {}, Plain<S>([](S& s) { s.ws.Add(); })),
        StatementCommand(data, "delete statement line", {},
                         [](S& s) {
                             const int code = s.ws.Delete(1).code;
                             return code == 0 ? Done() : QStringLiteral("delete code %1").arg(code);
                         }),
        StatementCommand(
            data, "import calendar",
            [calendar](S& s) {
                const DayCount day = s.ws.EntryOf(1).date + 1;
                TestContext context;
                DayRec record = MakeBlankDay(day, context.clock);
                record.SlotText[20] = QStringLiteral("Meeting");
                record.SlotClientNo[20] = QStringLiteral("C-77");
                record.SlotHours[20] = 1.5;
                WriteDay(calendar, record, day);
                s.ws.ImportCutOff = day - 1;
            },
            [calendar](S& s) {
                const StatementImportOutcome outcome =
                    s.ws.ImportCalendar(calendar, s.ws.ImportCutOff, QStringLiteral("C-77"));
                return outcome.code == 0 && outcome.added == 1
                           ? Done()
                           : QStringLiteral("import code %1, %2 added")
                                 .arg(outcome.code)
                                 .arg(outcome.added);
            }),
        StatementCommand(data, "statement backup text", {},
                         Plain<S>([](S& s) { s.ws.WriteBackupText(); })),
        StatementCommand(
            data, "restore statement",
            [](S& s) {
                s.ws.WriteBackupText();
                s.ws.Delete(1);
            },
            Plain<S>([](S& s) { s.ws.Restore(s.ws.BackupTextPath()); })),
    };
}

// --- calendar ------------------------------------------------------------

struct Calendar {
    Calendar(const QString& path, TestContext& context) : ws(path, context) {}
    CalendarWorkspace ws;
};

using CalendarSubject = WorkspaceSubject<Calendar>;

QString CalendarVersusDisk(Calendar& c) {
    TestContext context;
    Calendar fresh(c.ws.Path(), context);
    try {
        fresh.ws.GoTo(c.ws.CurrentDate());
    } catch (const Kiv5Error& e) {
        return QStringLiteral("the calendar does not read back: ") + e.Message();
    }
    if (!c.ws.DayModified &&
        EncodeRecord(fresh.ws.CurrentDay()) != EncodeRecord(c.ws.CurrentDay())) {
        return QStringLiteral("the day shown differs from the day stored");
    }
    return {};
}

SweepCommand CalendarCommand(const SweepData& data, const QString& name,
                             CalendarSubject::Step prepare, CalendarSubject::Command run) {
    const QString path = data.set.calendarFile;
    const auto make = [path, prepare, run](const QString&, TestContext& context) {
        auto calendar = std::make_unique<Calendar>(path, context);
        return std::make_unique<CalendarSubject>(std::move(calendar), prepare, run,
                                                 CalendarVersusDisk);
    };
    return MakeSweepCommand(name, make);
}

DayEntries Entries(const QString& text) {
    DayEntries entries;
    entries.text[18] = text;
    entries.clientNo[18] = QStringLiteral("C-2");
    entries.length[18] = QStringLiteral("1");
    entries.notes = QStringLiteral("Bring the file");
    return entries;
}

QList<SweepCommand> CalendarCommands(const SweepData& data) {
    using C = Calendar;
    return {
        CalendarCommand(
            data, "store day", [](C& c) { c.ws.GoTo(c.ws.CurrentDate()); },
            Plain<C>([](C& c) { c.ws.StoreDay(Entries(QStringLiteral("Court"))); })),
        CalendarCommand(
            data, "store a day not stored before",
            [](C& c) { c.ws.GoTo(c.ws.CurrentDate() + 400); },
            Plain<C>([](C& c) { c.ws.StoreDay(Entries(QStringLiteral("Hearing"))); })),
        CalendarCommand(
            data, "store week column", [](C& c) { c.ws.GoTo(c.ws.CurrentDate()); },
            Plain<C>([](C& c) {
                std::array<QString, kDaySlots> texts;
                texts[20] = QStringLiteral("Deposition");
                c.ws.StoreWeekColumn(c.ws.CurrentQDate().addDays(1), texts);
            })),
    };
}

QList<SweepCommand> AllCommands(const SweepData& data) {
    return BillCommands(data) + StatementCommands(data) + CalendarCommands(data);
}

} // namespace

class TestBillingSweep : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(data_.IsValid()); }

    void everyCallFails_data() {
        QTest::addColumn<int>("index");
        const QList<SweepCommand> commands = AllCommands(data_);
        for (int k = 0; k < commands.size(); ++k) {
            QTest::newRow(qPrintable(commands[k].name)) << k;
        }
    }

    void everyCallFails() {
        QFETCH(int, index);
        const SweepCommand command = AllCommands(data_).at(index);
        ReportSweep(command, data_.Sweep(command));
    }

    // Whole-file commands when the disk fills up at any call.
    void diskFullFromEveryCall_data() {
        QTest::addColumn<int>("index");
        const QStringList wholeFile = {"save as",
                                       "new file",
                                       "billing backup",
                                       "calendar backup",
                                       "restore billing backup",
                                       "restore calendar backup",
                                       "export",
                                       "link client file",
                                       "link bookkeeping set",
                                       "statement backup text",
                                       "open a new statement",
                                       "restore statement"};
        const QList<SweepCommand> commands = AllCommands(data_);
        for (int k = 0; k < commands.size(); ++k) {
            if (wholeFile.contains(commands[k].name)) {
                QTest::newRow(qPrintable(commands[k].name)) << k;
            }
        }
    }

    void diskFullFromEveryCall() {
        QFETCH(int, index);
        const SweepCommand command = AllCommands(data_).at(index);
        ReportSweep(command, data_.Sweep(command, FaultPattern::DiskFull));
    }

private:
    SweepData data_;
};

KIV5_CORE_TEST_MAIN(TestBillingSweep)
#include "tst_BillingSweep.moc"
