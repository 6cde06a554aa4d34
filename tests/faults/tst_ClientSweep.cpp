#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientWorkspace.h"
#include "clientdb/core/NameRec.h"
#include "clientdb/core/SendFullPO.h"
#include "clientdb/core/SendLaserLabels.h"
#include "clientdb/core/SendPhoneBk.h"
#include "common/core/Exceptions.h"
#include "tests/faults/SweepData.h"
#include "tests/faults/WorkspaceSubject.h"
#include "tests/support/TestMain.h"

#include <QFileInfo>

using namespace kiv5;
using namespace kiv5::test;

namespace {

using Subject = WorkspaceSubject<ClientWorkspace>;
using Prepare = Subject::Step;
using Command = Subject::Command;

constexpr int kScreenWidth = 1024;

// The open file read afresh must hold the records the table holds.
QString ClientTableVersusDisk(ClientWorkspace& ws) {
    if (!ws.IsOpen()) {
        return {};
    }
    TestContext context;
    ClientWorkspace fresh(kScreenWidth, context);
    fresh.settings.FilesDirectory = QFileInfo(ws.Files().clientFile).path() + QLatin1Char('/');
    try {
        fresh.Open(ws.FileName());
    } catch (const Kiv5Error& e) {
        return QStringLiteral("the open file does not read back: ") + e.Message();
    }
    return CompareTables(ws.Table(), fresh.Table());
}

SweepCommand ClientCommand(const SweepData& data, const QString& name, Prepare prepare, Command run,
                           QList<QStringList> groups = {},
                           Subject::Check check = ClientTableVersusDisk) {
    const QString folder = data.set.clientFolder;
    const QString file = QFileInfo(data.set.clientFiles.clientFile).fileName();
    const auto make = [folder, file, prepare, run, check](const QString&, TestContext& context) {
        auto ws = std::make_unique<ClientWorkspace>(kScreenWidth, context);
        const Prepare open = [folder, file, prepare](ClientWorkspace& w) {
            w.settings.FilesDirectory = folder;
            w.Open(file);
            if (prepare) {
                prepare(w);
            }
        };
        return std::make_unique<Subject>(std::move(ws), open, run, check);
    };
    groups.prepend({data.Relative(data.set.clientFiles.clientFile),
                    data.Relative(data.set.clientFiles.memoFile)});
    return MakeSweepCommand(name, make, groups);
}

QString Done() {
    return {};
}

ClientEntry Edited(const ClientWorkspace& ws, int row, const QString& memo = {}) {
    ClientEntry entry = ws.EntryOf(row);
    entry.Text(ClientCol::LastName) += QStringLiteral("son");
    if (!memo.isEmpty()) {
        entry.memo = memo;
    }
    return entry;
}

QString SaveOutcomeText(const SaveOutcome& outcome) {
    return outcome.kind == SaveOutcome::Saved ? Done()
                                              : QStringLiteral("save outcome %1").arg(outcome.kind);
}

// A save that met another user's version, not yet resolved: the row holds
// the edited version the disk does not. A failed resolve leaves it so.
struct OpenConflict {
    EntrySave save;
    QStringList rows;
};

QString ConflictVersusDisk(ClientWorkspace& ws, const OpenConflict& conflict) {
    return TableRows(ws.Table()) == conflict.rows ? QString() : ClientTableVersusDisk(ws);
}

// Another user, a minute later, saves the first client of the open file
// (as read before this copy's own save); this copy's save then finds it.
Prepare ConflictOnFirstRow(const SweepData& data, std::shared_ptr<OpenConflict> conflict) {
    const QString folder = data.set.clientFolder;
    const QString file = QFileInfo(data.set.clientFiles.clientFile).fileName();
    return [folder, file, conflict](ClientWorkspace& ws) {
        TestContext later(TestContext().now.addSecs(60));
        ClientWorkspace other(kScreenWidth, later);
        other.settings.FilesDirectory = folder;
        other.Open(file);
        other.SaveRecord(1, Edited(other, 1, QStringLiteral("Called back")));
        const SaveOutcome outcome = ws.SaveRecord(1, Edited(ws, 1));
        if (outcome.kind != SaveOutcome::Conflict) {
            throw IoError(QStringLiteral("the second save found no conflict"));
        }
        conflict->save = outcome.save;
        conflict->rows = TableRows(ws.Table());
    };
}

// A printed document of the open file, written into the data folder.
template <class Send> Command Document(Send send) {
    return [send](ClientWorkspace& ws) {
        TestContext context;
        TAnswer answers(DocumentProgram::Client);
        const ClientDocumentSource source{ws.Table(),
                                          ws.Memo(),
                                          ws.FileName(),
                                          ws.settings.FilesDirectory,
                                          {QStringLiteral("Law Office"),
                                           QStringLiteral("1 Main St"),
                                           QStringLiteral("Springfield"), QString()},
                                          context};
        send(source, answers);
        return Done();
    };
}

QList<SweepCommand> ClientCommands(const SweepData& data) {
    const QString longMemo = QString(300, u'm');
    const QString copy = QStringLiteral("copy.pl5");
    const QStringList copyPair = {data.Relative(data.set.clientFolder + "copy.pl5"),
                                  data.Relative(data.set.clientFolder + "copy.mem")};
    auto restored = std::make_shared<std::optional<RestoredBackup>>();
    auto conflict = std::make_shared<OpenConflict>();
    const QStringList freshPair = {data.Relative(data.set.clientFolder + "fresh.pl5"),
                                   data.Relative(data.set.clientFolder + "fresh.mem")};
    return {
        ClientCommand(
            data, "save record", {},
            [](ClientWorkspace& ws) { return SaveOutcomeText(ws.SaveRecord(1, Edited(ws, 1))); }),
        ClientCommand(data, "save record with a long memo", {},
                      [longMemo](ClientWorkspace& ws) {
                          return SaveOutcomeText(ws.SaveRecord(2, Edited(ws, 2, longMemo)));
                      }),
        ClientCommand(data, "add", {},
                      [](ClientWorkspace& ws) {
                          ws.Add();
                          return Done();
                      }),
        ClientCommand(data, "delete", {},
                      [](ClientWorkspace& ws) {
                          return ws.Delete(1, 1, false).conflict ? QStringLiteral("conflict")
                                                                 : Done();
                      }),
        ClientCommand(data, "select all", {},
                      [](ClientWorkspace& ws) {
                          ws.SelectAll(true);
                          return Done();
                      }),
        ClientCommand(data, "save", {},
                      [](ClientWorkspace& ws) {
                          ws.Save(SaveMode::Plain);
                          return Done();
                      }),
        ClientCommand(data, "save as", {},
                      [copy](ClientWorkspace& ws) {
                          ws.Save(SaveMode::SaveAs, copy);
                          return Done();
                      },
                      {copyPair}),
        ClientCommand(
            data, "pack", [](ClientWorkspace& ws) { ws.Delete(2, 2, false); },
            [](ClientWorkspace& ws) {
                ws.Pack();
                return Done();
            }),
        ClientCommand(
            data, "close with an edited memo",
            [longMemo](ClientWorkspace& ws) { ws.SetMemoLine(1, longMemo); },
            [](ClientWorkspace& ws) {
                ws.Close();
                return Done();
            }),
        ClientCommand(data, "backup", {},
                      [](ClientWorkspace& ws) {
                          ws.Backup();
                          return Done();
                      }),
        ClientCommand(
            data, "restore",
            [restored](ClientWorkspace& ws) {
                const BackupFiles backup = ws.Backup();
                ws.Delete(1, 1, false);
                restored->emplace(ws.ReadBackup(backup.textFile));
            },
            [restored](ClientWorkspace& ws) {
                ws.Restore(**restored);
                return Done();
            }),
        ClientCommand(
            data, "resolve a conflict keeping the edited client",
            ConflictOnFirstRow(data, conflict),
            [conflict](ClientWorkspace& ws) {
                ws.ResolveConflict(conflict->save.row, conflict->save, true);
                return Done();
            },
            {}, [conflict](ClientWorkspace& ws) { return ConflictVersusDisk(ws, *conflict); }),
        ClientCommand(
            data, "new file", [](ClientWorkspace& ws) { ws.Close(); },
            [](ClientWorkspace& ws) {
                ws.Save(SaveMode::NewFile, QStringLiteral("fresh.pl5"));
                return Done();
            },
            {freshPair}),
        ClientCommand(data, "full printout", {}, Document(SendFullPO)),
        ClientCommand(data, "laser labels", {}, Document(SendLaserLabels)),
        ClientCommand(data, "phone book", {}, Document(SendPhoneBk)),
        ClientCommand(data, "export", {},
                      [folder = data.folder](ClientWorkspace& ws) {
                          ws.Export(folder + QStringLiteral("export.txt"), false);
                          return Done();
                      }),
    };
}

} // namespace

class TestClientSweep : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(data_.IsValid()); }

    void everyCallFails_data() {
        QTest::addColumn<int>("index");
        const QList<SweepCommand> commands = ClientCommands(data_);
        for (int k = 0; k < commands.size(); ++k) {
            QTest::newRow(qPrintable(commands[k].name)) << k;
        }
    }

    void everyCallFails() {
        QFETCH(int, index);
        const SweepCommand command = ClientCommands(data_).at(index);
        ReportSweep(command, data_.Sweep(command));
    }

    // Whole-file commands when the disk fills up at any call.
    void diskFullFromEveryCall_data() {
        QTest::addColumn<int>("index");
        const QStringList wholeFile = {"save",
                                       "save as",
                                       "pack",
                                       "restore",
                                       "backup",
                                       "export",
                                       "new file",
                                       "full printout",
                                       "laser labels",
                                       "phone book",
                                       "close with an edited memo"};
        const QList<SweepCommand> commands = ClientCommands(data_);
        for (int k = 0; k < commands.size(); ++k) {
            if (wholeFile.contains(commands[k].name)) {
                QTest::newRow(qPrintable(commands[k].name)) << k;
            }
        }
    }

    void diskFullFromEveryCall() {
        QFETCH(int, index);
        const SweepCommand command = ClientCommands(data_).at(index);
        ReportSweep(command, data_.Sweep(command, FaultPattern::DiskFull));
    }

private:
    SweepData data_;
};

KIV5_CORE_TEST_MAIN(TestClientSweep)
#include "tst_ClientSweep.moc"
