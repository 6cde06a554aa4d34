// The billing print jobs under the I/O-error sweep. Periodic billing: every
// marked bill printed with its statements into the document, the next
// period's data and link file written with it as one unit, the PDF beside
// the document when asked. The current bill and the complete statement:
// the document alone. The demo set is larger here, so periodic billing
// reads several bills, both ledgers and the statements.

#include "billing/core/BillPrintJobs.h"
#include "common/core/Answers.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/PdfExport.h"
#include "tests/faults/BillSweep.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

constexpr int kPeriodicClients = 14;
const QString kNextName = QStringLiteral("next.qy5");

DayCount BillDate() {
    return DateToDayCount(QDate(2011, 3, 31));
}

// The open billing file and the print jobs on it; a statement the bills
// name but that cannot be found is recorded.
struct PeriodicDesk {
    PeriodicDesk(TestContext& context, BillPrintOptions options)
        : ws(kBillScreenWidth, context), answers(DocumentProgram::Billing),
          jobs(
              ws, context, answers, [this](const QString& path) { missing.append(path); },
              std::move(options)) {}

    BillingWorkspace ws;
    TAnswer answers;
    QStringList missing;
    BillPrintJobs jobs;
    // The bills as the table held them before the command.
    QStringList rowsBefore;
};

using DeskSubject = WorkspaceSubject<PeriodicDesk>;

// What the window shows after the command: the check's text or the
// message when nothing was written, the PDF's message when only it failed.
QString RunPeriodic(PeriodicDesk& desk, const QString& name, DayCount date) {
    const PeriodicOutcome outcome = desk.jobs.RunPeriodicBilling(name, date);
    if (!desk.missing.isEmpty()) {
        return QStringLiteral("statements not found: ") + desk.missing.join(u',');
    }
    if (!outcome.check.IsOk()) {
        return outcome.check.Text();
    }
    if (!outcome.message.isEmpty()) {
        return outcome.message;
    }
    if (!outcome.Written()) {
        return QStringLiteral("nothing written, and no reason told");
    }
    if (outcome.print.pdf && !outcome.print.pdf->Ok()) {
        return outcome.print.pdf->message;
    }
    return {};
}

// The open period stays as it was: the same bills in the same order, and
// the file read afresh agrees with them.
QString DeskVersusDisk(PeriodicDesk& desk, const tool::DemoSet& set) {
    if (!desk.ws.IsOpen() || desk.ws.Files().linkFile != set.linkFile) {
        return QStringLiteral("another billing file is open");
    }
    if (TableRows(desk.ws.Table()) != desk.rowsBefore) {
        return QStringLiteral("the open billing file's table changed");
    }
    return BillsVersusDisk(desk.ws, set);
}

// What the next open does: the user opens the next period's file when it
// is there.
void OpenNextPeriod(const tool::DemoSet& set, const NextPeriodFiles& next) {
    if (!QFileInfo::exists(next.linkFile)) {
        return;
    }
    TestContext context;
    BillingWorkspace ws(kBillScreenWidth, context);
    ConfigureBilling(ws.settings, set);
    try {
        ws.Open(next.linkFile);
    } catch (const Kiv5Error&) {
    }
}

struct PeriodicRun {
    QString name;
    // Also the PDF, made by this converter.
    QString pdfProgram;
    // The next period's files are there before (from a run a day earlier).
    bool replaces = false;
};

// A print job on the demo billing file with every bill marked; the
// document (and the PDF when a converter is given) is written beside it.
SweepCommand DeskCommand(const SweepData& data, const QString& name, const QString& pdfProgram,
                         DeskSubject::Step prepare, DeskSubject::Command run) {
    const tool::DemoSet set = data.set;
    const auto make = [set, pdfProgram, prepare, run](const QString&, TestContext& context) {
        BillPrintOptions options;
        options.pdf = !pdfProgram.isEmpty();
        options.pdfOptions.program = pdfProgram;
        auto desk = std::make_unique<PeriodicDesk>(context, options);
        const DeskSubject::Step open = [set, prepare](PeriodicDesk& d) {
            ConfigureBilling(d.ws.settings, set);
            d.ws.settings.AutomaticBackupFlag = false;
            d.ws.Open(set.linkFile);
            d.ws.SelectAll(true);
            if (prepare) {
                prepare(d);
            }
            d.rowsBefore = TableRows(d.ws.Table());
        };
        const DeskSubject::Check check = [set](PeriodicDesk& d) { return DeskVersusDisk(d, set); };
        return std::make_unique<DeskSubject>(std::move(desk), open, run, check);
    };
    const QString document = SelectedFormsPath(set.billingFolder, set.linkFile);
    SweepCommand command =
        MakeSweepCommand(name, make, {BillingPair(data, QFileInfo(set.linkFile).fileName())});
    command.messagePrefixes = {QStringLiteral("The PDF %1 was not written: ")
                                   .arg(QDir::toNativeSeparators(PdfPathFor(document)))};
    return command;
}

SweepCommand PeriodicCommand(const SweepData& data, const PeriodicRun& periodic) {
    DeskSubject::Step prepare;
    if (periodic.replaces) {
        prepare = [](PeriodicDesk& d) {
            const QString earlier = RunPeriodic(d, kNextName, BillDate() - 1);
            if (!earlier.isEmpty()) {
                throw IoError(earlier);
            }
        };
    }
    SweepCommand command =
        DeskCommand(data, periodic.name, periodic.pdfProgram, prepare,
                    [](PeriodicDesk& d) { return RunPeriodic(d, kNextName, BillDate()); });
    const tool::DemoSet set = data.set;
    const NextPeriodFiles next =
        NextPeriodFilesFor(set.billingFolder, kNextName, QString(), QString());
    command.groups.append({data.Relative(next.dataFile), data.Relative(next.linkFile),
                           data.Relative(SelectedFormsPath(set.billingFolder, set.linkFile))});
    command.recover = [set, next](const QString&) { OpenNextPeriod(set, next); };
    return command;
}

// What the window shows after a print job: the PDF's message when it
// failed, else nothing.
QString Printed(const BillPrintOutcome& outcome) {
    if (!outcome.written) {
        return QStringLiteral("nothing written, and no reason told");
    }
    return outcome.pdf && !outcome.pdf->Ok() ? outcome.pdf->message : QString();
}

// A converter that makes a small PDF of any document at once, as
// LibreOffice's command line would.
QString WriteFakeConverter(const QString& folder) {
    const QString path = folder + QStringLiteral("/fake-soffice");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly)) {
        return {};
    }
    script.write("#!/bin/sh\n"
                 "out=''\n"
                 "while [ $# -gt 1 ]; do\n"
                 "  if [ \"$1\" = --outdir ]; then out=\"$2\"; fi\n"
                 "  shift\n"
                 "done\n"
                 "name=$(basename \"$1\")\n"
                 "mkdir -p \"$out\" && printf '%%PDF-1.4 fake\\n' > \"$out/${name%.*}.pdf\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class TestPeriodicSweep : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(data_.IsValid());
        QVERIFY(tools_.isValid());
        converter_ = WriteFakeConverter(tools_.path());
        QVERIFY(!converter_.isEmpty());
    }

    void everyCallFails_data() { AddRows(); }

    void everyCallFails() {
        QFETCH(int, index);
        const SweepCommand command = Commands().at(index);
        ReportSweep(command, data_.Sweep(command));
    }

    void diskFullFromEveryCall_data() { AddRows(); }

    void diskFullFromEveryCall() {
        QFETCH(int, index);
        const SweepCommand command = Commands().at(index);
        ReportSweep(command, data_.Sweep(command, FaultPattern::DiskFull));
    }

private:
    QList<SweepCommand> Commands() const {
        return {
            PeriodicCommand(data_, {QStringLiteral("periodic billing"), {}, false}),
            PeriodicCommand(
                data_, {QStringLiteral("periodic billing replacing the next period"), {}, true}),
            PeriodicCommand(data_,
                            {QStringLiteral("periodic billing with PDF"), converter_, false}),
            DeskCommand(
                data_, QStringLiteral("print current bill with PDF"), converter_, {},
                [](PeriodicDesk& d) { return Printed(d.jobs.PrintCurrentBill(1, BillDate())); }),
            DeskCommand(data_, QStringLiteral("print complete statement"), {}, {},
                        [statement = data_.set.statementFiles.first()](PeriodicDesk& d) {
                            return Printed(d.jobs.PrintCompleteStatement(statement));
                        }),
            DeskCommand(data_, QStringLiteral("print calendar month with PDF"), converter_, {},
                        [](PeriodicDesk& d) {
                            return Printed(
                                d.jobs
                                    .PrintCalendarPage(CalendarPageKind::Month, QDate(2011, 3, 31))
                                    .print);
                        }),
        };
    }

    void AddRows() const {
        QTest::addColumn<int>("index");
        const QList<SweepCommand> commands = Commands();
        for (int k = 0; k < commands.size(); ++k) {
            QTest::newRow(qPrintable(commands[k].name)) << k;
        }
    }

    SweepData data_{kPeriodicClients};
    QTemporaryDir tools_;
    QString converter_;
};

KIV5_GUI_TEST_MAIN(TestPeriodicSweep)
#include "tst_PeriodicSweep.moc"
